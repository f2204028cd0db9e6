#include "QtPictureReader.h"

#include <BmpReader.h>
#include <FileLayer.h>
#include <ImageConvert.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>

namespace glyphora {

Result<MonoImage> QtPictureReader::ReadPicture(const std::string& path, int maxWidth, int maxHeight) const {
    Result<std::vector<uint8_t>> file = ReadWholeFile(path, kMaxPictureFileSize);
    if (!file) return file.error();
    const std::vector<uint8_t>& bytes = *file;
    // What the file holds decides, not its name: a BMP renamed to .png is still read.
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return DecodeBmpPicture(bytes, path, maxWidth, maxHeight);

    QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid()) {
        // Only the part that can lie on the glyph is kept (decoded, where the format allows).
        reader.setClipRect(QRect(0, 0, std::min(size.width(), maxWidth), std::min(size.height(), maxHeight)));
    }
    QImage image = reader.read();
    if (image.isNull())
        return MakeError(ErrorKind::Unsupported, FileError("read", path, reader.errorString().toStdString()));
    if (image.width() > maxWidth || image.height() > maxHeight)
        image = image.copy(0, 0, std::min(image.width(), maxWidth), std::min(image.height(), maxHeight));
    return fromQImage(image);
}

}  // namespace glyphora
