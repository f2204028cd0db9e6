#include "OtherLangpack.h"

#include "FileNames.h"
#include "Prompts.h"

#include <LangpackDocument.h>
#include <LangpackReader.h>
#include <ShxExtractor.h>

namespace glyphora {

namespace {

// Keeps the bytes of the LangPack code group alone, so that a flash file of
// a hundred megabytes costs no more memory than its langpack.
class LangpackGroupFolder final : public shx::OutputFolder {
public:
    Result<std::unique_ptr<shx::OutputFile>> create(const std::string& path) override {
        const std::string suffix = "}" + shx::CodeGroupShortName(shx::kLangpackCodeGroup) + ".smg";
        const bool keep = path.size() >= suffix.size() && path.ends_with(suffix);
        return std::unique_ptr<shx::OutputFile>(std::make_unique<File>(keep ? &bytes_ : nullptr));
    }
    std::vector<uint8_t>& bytes() { return bytes_; }

private:
    class File final : public shx::OutputFile {
    public:
        explicit File(std::vector<uint8_t>* into) : into_(into) {
            if (into_) into_->clear();
        }
        Status write(std::span<const uint8_t> bytes) override {
            size_ += bytes.size();
            if (into_) into_->insert(into_->end(), bytes.begin(), bytes.end());
            return {};
        }
        uint64_t size() const override { return size_; }
        Status close() override { return {}; }
        void discard() override {}

    private:
        std::vector<uint8_t>* into_;
        uint64_t size_ = 0;
    };
    std::vector<uint8_t> bytes_;
};

Result<TLangpack> ReadFlashFileLangpack(const std::string& path) {
    Result<std::unique_ptr<shx::FileInput>> input = shx::FileInput::open(path);
    if (!input) return input.error();
    LangpackGroupFolder folder;
    const shx::ExtractResult result = shx::ShxExtractor().SplitSHX(**input, folder);
    if (result.error) return *result.error;
    if (!result.LangpackFound)
        return MakeError(ErrorKind::NotLangpack, path + ": the flash file has no LangPack code group");
    Result<TLangpack> lp = ReadLangpack(folder.bytes());
    if (!lp) return MakeError(lp.error().kind, path + ", its LangPack code group: " + lp.error().message);
    return lp;
}

}  // namespace

Result<OtherLangpack> ReadOtherLangpack(const std::string& path) {
    if (IsFlashFileName(path)) {
        Result<TLangpack> lp = ReadFlashFileLangpack(path);
        if (!lp) return lp.error();
        return OtherLangpack{path, std::move(*lp)};
    }
    Result<LangpackDocument> doc = LangpackDocument::Load(path);
    if (!doc) return doc.error();
    return OtherLangpack{path, std::move(doc->langpack())};
}

std::optional<OtherLangpack> ChooseOtherLangpack(Prompts& prompts, const std::string& title,
                                                 const std::string& folder) {
    Prompts::FileDialog dialog;
    dialog.title = title;
    dialog.filters = {"Binary langpack (*.smg;*.bin) (*.smg *.bin *.SMG *.BIN)",
                      "Motorola SHX files (*.shx) (*.shx *.SHX)", "All files (*)"};
    dialog.folder = folder;
    const std::optional<std::string> path = prompts.chooseOpenFile(dialog);
    if (!path || path->empty()) return std::nullopt;
    Result<OtherLangpack> other = ReadOtherLangpack(*path);
    if (!other) {
        const std::string text = "The langpack cannot be read:\n" + other.error().message;
        if (other.error().kind == ErrorKind::Io || other.error().kind == ErrorKind::Missing)
            prompts.error(text);
        else
            prompts.warning(text);
        return std::nullopt;
    }
    return std::move(*other);
}

}  // namespace glyphora
