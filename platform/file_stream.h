#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace hexwarden {

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

// The typed byte stream of the data file. Writing appends little-endian values to an in-memory
// buffer, which either keeps everything or, given an output, hands it on block by block (a large
// database is never held twice). Reading walks an in-memory copy of a file. Every read is
// bounds-checked: running past the end throws StreamReadError, and so does a length or element
// count that the remaining bytes cannot possibly hold, before anything is allocated.
class TKvFileStream {
public:
    using Output = std::function<void(std::string_view bytes)>;

    // An empty stream, ready for writing; it keeps all it is given.
    TKvFileStream() = default;
    // A stream for writing that passes full blocks of bytes to output; Flush passes the rest.
    explicit TKvFileStream(Output output);
    // A stream that reads the given bytes from the start.
    explicit TKvFileStream(std::string bytes);

    TKvFileStream(const TKvFileStream&) = delete;
    TKvFileStream& operator=(const TKvFileStream&) = delete;

    // Inline: a large save writes millions of small fields.
    void Write(const void* data, std::size_t size) {
        if (size <= buffer_.size() - length_) {
            std::memcpy(buffer_.data() + length_, data, size);
            length_ += size;
        } else {
            WriteBeyondBuffer(data, size);
        }
    }
    void WriteInt32(int32_t value) {
        const uint32_t bits = ToLittleEndian(static_cast<uint32_t>(value));
        Write(&bits, sizeof bits);
    }
    void WriteUInt16(uint16_t value) {
        const uint16_t bits = ToLittleEndian(value);
        Write(&bits, sizeof bits);
    }
    void WriteUInt8(uint8_t value) { Write(&value, 1); }
    void WriteBool(bool value) { WriteUInt8(value ? 1 : 0); }
    // The length as i32, then the bytes.
    void WriteString(std::string_view text);
    void Flush();

    void Read(void* data, std::size_t size);
    int32_t ReadInt32();
    uint16_t ReadUInt16();
    uint8_t ReadUInt8();
    // Any byte other than 0 reads as true.
    bool ReadBool();
    std::string ReadString();
    // Reads an i32 element count and checks that the bytes left can hold that many elements of at
    // least min_bytes_per_element each. A negative count is damage, not an empty list.
    int32_t ReadCount(std::size_t min_bytes_per_element);

    std::size_t Position() const { return position_; }
    // Bytes written so far, or the size of what is being read.
    std::size_t Size() const { return passed_on_ + length_; }
    std::size_t Remaining() const { return length_ - position_; }
    // What was written (and not passed on), or what is being read.
    const std::string& Bytes() const {
        buffer_.resize(length_);  // drops the spare room kept for writing
        return buffer_;
    }

private:
    void WriteBeyondBuffer(const void* data, std::size_t size);

    // Writing fills the first length_ bytes and keeps the rest as room; reading holds exactly the file.
    mutable std::string buffer_;
    std::size_t length_ = 0;
    std::size_t position_ = 0;
    Output output_;
    std::size_t passed_on_ = 0;
};

}  // namespace hexwarden
