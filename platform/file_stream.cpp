#include "platform/file_stream.h"

#include <algorithm>
#include <stdexcept>

#include "platform/error.h"

namespace hexwarden {

namespace {

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);

constexpr std::size_t kOutputBlock = std::size_t{1} << 20;

}  // namespace

TKvFileStream::TKvFileStream(Output output) : output_(std::move(output)) {
    buffer_.resize(kOutputBlock);
}

TKvFileStream::TKvFileStream(std::string bytes) : buffer_(std::move(bytes)), length_(buffer_.size()) {}

void TKvFileStream::WriteBeyondBuffer(const void* data, std::size_t size) {
    if (output_) {
        Flush();
        if (buffer_.size() < kOutputBlock) buffer_.resize(kOutputBlock);
        if (size > buffer_.size()) {  // larger than a block: passed on as it is
            output_(std::string_view(static_cast<const char*>(data), size));
            passed_on_ += size;
            return;
        }
    } else {
        try {
            if (size > buffer_.max_size() - length_) throw std::length_error("stream");
            buffer_.resize(std::max(length_ + size, 2 * buffer_.size()));
        } catch (const std::length_error&) {
            throw StreamWriteError();
        }
    }
    std::memcpy(buffer_.data() + length_, data, size);
    length_ += size;
}

void TKvFileStream::Flush() {
    if (!output_ || length_ == 0) return;
    output_(std::string_view(buffer_.data(), length_));
    passed_on_ += length_;
    length_ = 0;
}

void TKvFileStream::WriteString(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(INT32_MAX)) throw StreamWriteError();
    WriteInt32(static_cast<int32_t>(text.size()));
    Write(text.data(), text.size());
}

void TKvFileStream::Read(void* data, std::size_t size) {
    if (size > Remaining()) throw StreamReadError();
    std::memcpy(data, buffer_.data() + position_, size);
    position_ += size;
}

int32_t TKvFileStream::ReadInt32() {
    uint32_t bits = 0;
    Read(&bits, sizeof bits);
    return static_cast<int32_t>(ToLittleEndian(bits));
}

uint16_t TKvFileStream::ReadUInt16() {
    uint16_t bits = 0;
    Read(&bits, sizeof bits);
    return ToLittleEndian(bits);
}

uint8_t TKvFileStream::ReadUInt8() {
    uint8_t value = 0;
    Read(&value, 1);
    return value;
}

bool TKvFileStream::ReadBool() {
    return ReadUInt8() != 0;
}

std::string TKvFileStream::ReadString() {
    const int32_t length = ReadCount(1);
    std::string text(buffer_, position_, static_cast<std::size_t>(length));
    position_ += static_cast<std::size_t>(length);
    return text;
}

int32_t TKvFileStream::ReadCount(std::size_t min_bytes_per_element) {
    const int32_t count = ReadInt32();
    if (count < 0) throw StreamReadError();
    if (min_bytes_per_element > 0 && static_cast<std::size_t>(count) > Remaining() / min_bytes_per_element)
        throw StreamReadError();
    return count;
}

}  // namespace hexwarden
