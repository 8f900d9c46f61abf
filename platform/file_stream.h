#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace hexwarden {

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

    void Write(const void* data, std::size_t size);
    void WriteInt32(int32_t value);
    void WriteUInt16(uint16_t value);
    void WriteUInt8(uint8_t value);
    void WriteBool(bool value);
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
    std::size_t Size() const { return passed_on_ + buffer_.size(); }
    std::size_t Remaining() const { return buffer_.size() - position_; }
    // What was written (and not passed on), or what is being read.
    const std::string& Bytes() const { return buffer_; }

private:
    std::string buffer_;
    std::size_t position_ = 0;
    Output output_;
    std::size_t passed_on_ = 0;
};

// The stream the data file is opened with.
using TVelFileStream = TKvFileStream;

}  // namespace hexwarden
