#include "Archive.h"

#include <algorithm>
#include <cstring>

void CArchiveWriter::WriteWord(std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    Put(b, 2);
}

void CArchiveWriter::WriteDword(std::uint32_t v) {
    const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    Put(b, 4);
}

void CArchiveWriter::Put(const char* p, std::size_t n) {
    if (m_target) {
        m_target->append(p, n);
        return;
    }
    m_buffer.append(p, n);
    if (m_buffer.size() >= BUFFER_SIZE)
        Flush();
}

void CArchiveWriter::Flush() {
    if (!m_file || m_buffer.empty())
        return;
    const std::size_t size = m_buffer.size();
    const std::size_t written = std::fwrite(m_buffer.data(), 1, size, m_file);
    m_buffer.clear();
    if (written != size)
        throw CArchiveException(CArchiveException::fileError, "write error");
}

std::uint8_t CArchiveReader::ReadByte() {
    if (m_pos < m_data.size())
        return static_cast<std::uint8_t>(m_data[m_pos++]);
    char b;
    Get(&b, 1);
    return static_cast<std::uint8_t>(b);
}

std::uint16_t CArchiveReader::ReadWord() {
    if (m_data.size() - m_pos >= 2) {
        const auto lo = static_cast<unsigned char>(m_data[m_pos]);
        const auto hi = static_cast<unsigned char>(m_data[m_pos + 1]);
        m_pos += 2;
        return static_cast<std::uint16_t>(lo | (hi << 8));
    }
    unsigned char b[2];
    Get(reinterpret_cast<char*>(b), 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t CArchiveReader::ReadDword() {
    unsigned char b[4];
    Get(reinterpret_cast<char*>(b), 4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::string CArchiveReader::ReadBytes(std::size_t n) {
    if (m_data.size() - m_pos >= n) {
        std::string s(m_data.substr(m_pos, n));
        m_pos += n;
        return s;
    }
    std::string s(n, '\0');
    if (n)
        Get(s.data(), n);
    return s;
}

bool CArchiveReader::Fill() {
    if (!m_file)
        return false;
    m_buffer.resize(BUFFER_SIZE);
    const std::size_t got = std::fread(m_buffer.data(), 1, BUFFER_SIZE, m_file);
    if (got == 0 && std::ferror(m_file))
        throw CArchiveException(CArchiveException::fileError, "read error");
    m_buffer.resize(got);
    m_data = std::string_view(m_buffer.data(), got);
    m_pos = 0;
    return got > 0;
}

void CArchiveReader::Get(char* p, std::size_t n) {
    while (n > 0) {
        if (m_pos >= m_data.size() && !Fill())
            throw CArchiveException(CArchiveException::endOfFile, "unexpected end of file");
        const std::size_t take = std::min(n, m_data.size() - m_pos);
        std::memcpy(p, m_data.data() + m_pos, take);
        m_pos += take;
        p += take;
        n -= take;
    }
}

bool CArchiveReader::AtEnd() {
    return m_pos >= m_data.size() && !Fill();
}

void CArchiveReader::Rewind() {
    if (m_file) {
        if (std::fseek(m_file, 0, SEEK_SET) != 0)
            throw CArchiveException(CArchiveException::fileError, "seek error");
        m_data = {};
    }
    m_pos = 0;
}

std::uint64_t CArchiveReader::Length() {
    if (!m_file)
        return m_data.size();
    const long here = std::ftell(m_file);
    if (here < 0 || std::fseek(m_file, 0, SEEK_END) != 0)
        throw CArchiveException(CArchiveException::fileError, "seek error");
    const long end = std::ftell(m_file);
    if (end < 0 || std::fseek(m_file, here, SEEK_SET) != 0)
        throw CArchiveException(CArchiveException::fileError, "seek error");
    return static_cast<std::uint64_t>(end);
}
