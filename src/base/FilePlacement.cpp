// The platform-independent part of placing files: the handle's ownership.
#include "FilePlacement.h"

#include "FileLayerNative.h"

#include <utility>

namespace glyphora {

PendingFile::PendingFile(std::string target, std::string temporary, intptr_t native)
    : target_(std::move(target)), temporary_(std::move(temporary)), native_(native) {}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)), native_(other.native_) {
    other.native_ = file_native::kClosed;
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
    if (this != &other) {
        discard();
        target_ = std::move(other.target_);
        temporary_ = std::move(other.temporary_);
        native_ = other.native_;
        other.native_ = file_native::kClosed;
    }
    return *this;
}

PendingFile::~PendingFile() { discard(); }

}  // namespace glyphora
