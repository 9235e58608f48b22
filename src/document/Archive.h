#pragma once

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Error raised by the archive: the data ended early, or the file could not be read or written.
class CArchiveException : public std::runtime_error {
public:
    enum Cause { endOfFile, fileError };
    CArchiveException(Cause cause, const std::string& what)
        : std::runtime_error(what), m_cause(cause) {}
    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};

// Little-endian byte writer over a byte buffer or a file (4096-byte buffer).
class CArchiveWriter {
public:
    explicit CArchiveWriter(std::string& buffer) : m_target(&buffer) {}
    explicit CArchiveWriter(std::FILE* file) : m_file(file) { m_buffer.reserve(BUFFER_SIZE); }
    CArchiveWriter(const CArchiveWriter&) = delete;
    CArchiveWriter& operator=(const CArchiveWriter&) = delete;

    void WriteByte(std::uint8_t v) { Put(reinterpret_cast<const char*>(&v), 1); }
    void WriteWord(std::uint16_t v);
    void WriteDword(std::uint32_t v);
    void WriteBytes(std::string_view bytes) { Put(bytes.data(), bytes.size()); }
    // Writes what is buffered to the file; raises fileError when the write fails.
    void Flush();

    static constexpr std::size_t BUFFER_SIZE = 4096;

private:
    void Put(const char* p, std::size_t n);
    std::string* m_target = nullptr;
    std::FILE* m_file = nullptr;
    std::string m_buffer;
};

// Little-endian byte reader over a byte buffer or a file (4096-byte buffer).
// Reading past the end raises endOfFile; a read error raises fileError.
class CArchiveReader {
public:
    explicit CArchiveReader(std::string_view data) : m_data(data) {}
    explicit CArchiveReader(std::FILE* file) : m_file(file) {}
    CArchiveReader(const CArchiveReader&) = delete;
    CArchiveReader& operator=(const CArchiveReader&) = delete;

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::uint32_t ReadDword();
    std::string ReadBytes(std::size_t n);
    // True when no byte is left.
    bool AtEnd();
    // Drops what is buffered and goes back to the first byte.
    void Rewind();
    // Total length of the underlying data in bytes.
    std::uint64_t Length();

    static constexpr std::size_t BUFFER_SIZE = 4096;

private:
    void Get(char* p, std::size_t n);
    bool Fill();
    std::string_view m_data;
    std::size_t m_pos = 0;
    std::FILE* m_file = nullptr;
    std::vector<char> m_buffer;
};
