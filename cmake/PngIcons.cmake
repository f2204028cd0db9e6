# The Windows build has no Qt Svg, so its icons are PNG pictures drawn at build
# time from the same SVG files (rsvg-convert), and the program's icon is also a
# .ico file for the executable. The SVG files stay the one source.
#
# glyphora_png_icons(OUT_QRC ICON_DIR APP_SVG OUT_ICO)
#   OUT_QRC  set to the generated icons.qrc: the toolbar icons as
#            /icons/NAME-SIZE.png and the program's as /glyphora-SIZE.png
#   OUT_ICO  set to the generated glyphora.ico
find_program(GLYPHORA_RSVG rsvg-convert REQUIRED)
find_program(GLYPHORA_MAGICK convert REQUIRED)

set(GLYPHORA_TOOL_ICON_SIZES 16 24 32 48)
set(GLYPHORA_APP_ICON_SIZES 16 32 48 256)

function(glyphora_png_icons out_qrc icon_dir app_svg out_ico)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/png-icons)
  file(MAKE_DIRECTORY ${out}/icons)
  file(GLOB svgs CONFIGURE_DEPENDS ${icon_dir}/*.svg)
  set(entries "")
  set(pngs "")
  foreach(svg ${svgs})
    get_filename_component(name ${svg} NAME_WE)
    foreach(size ${GLYPHORA_TOOL_ICON_SIZES})
      set(png ${out}/icons/${name}-${size}.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${GLYPHORA_RSVG} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg} VERBATIM)
      list(APPEND pngs ${png})
      string(APPEND entries "    <file>icons/${name}-${size}.png</file>\n")
    endforeach()
  endforeach()
  set(app_pngs "")
  foreach(size ${GLYPHORA_APP_ICON_SIZES})
    set(png ${out}/glyphora-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${GLYPHORA_RSVG} -w ${size} -h ${size} -o ${png} ${app_svg}
      DEPENDS ${app_svg} VERBATIM)
    list(APPEND app_pngs ${png})
    string(APPEND entries "    <file>glyphora-${size}.png</file>\n")
  endforeach()
  set(ico ${out}/glyphora.ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${GLYPHORA_MAGICK} ${app_pngs} ${ico}
    DEPENDS ${app_pngs} VERBATIM)
  # The resource keeps the SVG build's name, so Q_INIT_RESOURCE(icons) serves both.
  set(qrc ${out}/icons.qrc)
  file(CONFIGURE OUTPUT ${qrc} CONTENT "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n${entries}  </qresource>\n</RCC>\n")
  set(${out_qrc} ${qrc} PARENT_SCOPE)
  set(${out_ico} ${ico} PARENT_SCOPE)
endfunction()
