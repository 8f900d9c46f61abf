#include "platform/file_stream.h"

#include <bit>
#include <cstring>

#include "platform/error.h"

namespace hexwarden {

namespace {

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);

constexpr std::size_t kOutputBlock = std::size_t{1} << 20;

template <typename T>
T ToLittleEndian(T value) {
    if constexpr (std::endian::native == std::endian::big) {
        T swapped = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            swapped = static_cast<T>((swapped << 8) | (value & 0xFF));
            value = static_cast<T>(value >> 8);
        }
        return swapped;
    }
    return value;
}

}  // namespace

TKvFileStream::TKvFileStream(Output output) : output_(std::move(output)) {
    buffer_.reserve(kOutputBlock);
}

TKvFileStream::TKvFileStream(std::string bytes) : buffer_(std::move(bytes)) {}

void TKvFileStream::Write(const void* data, std::size_t size) {
    try {
        buffer_.append(static_cast<const char*>(data), size);
    } catch (const std::length_error&) {
        throw StreamWriteError();
    }
    if (output_ && buffer_.size() >= kOutputBlock) Flush();
}

void TKvFileStream::Flush() {
    if (!output_ || buffer_.empty()) return;
    output_(buffer_);
    passed_on_ += buffer_.size();
    buffer_.clear();
}

void TKvFileStream::WriteInt32(int32_t value) {
    const uint32_t bits = ToLittleEndian(static_cast<uint32_t>(value));
    Write(&bits, sizeof bits);
}

void TKvFileStream::WriteUInt16(uint16_t value) {
    const uint16_t bits = ToLittleEndian(value);
    Write(&bits, sizeof bits);
}

void TKvFileStream::WriteUInt8(uint8_t value) {
    Write(&value, 1);
}

void TKvFileStream::WriteBool(bool value) {
    WriteUInt8(value ? 1 : 0);
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
