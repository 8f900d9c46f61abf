#pragma once

#include <stdexcept>
#include <string>

namespace hexwarden {

// The one error type of the program. Messages are shown to the user as they stand.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A stream ended before the data it had to deliver.
class StreamReadError : public Error {
public:
    StreamReadError() : Error("Stream read error") {}
};

// A stream could not take what was written to it.
class StreamWriteError : public Error {
public:
    StreamWriteError() : Error("Stream write error") {}
};

// A text that had to be a whole number was not one.
class ConversionError : public Error {
public:
    explicit ConversionError(const std::string& text) : Error("'" + text + "' is not a valid integer value") {}
};

}  // namespace hexwarden
