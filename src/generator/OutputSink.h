#pragma once

#include <charconv>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace generator_detail {

// Collects the writers' output in a fixed buffer and appends it to the result string in large
// pieces, so that each small write is a plain copy. Ensure before a group of small writes;
// Text may take any length.
class COutputSink {
public:
    static constexpr std::size_t CAPACITY = 64 * 1024;
    // Texts longer than this bypass the buffer.
    static constexpr std::size_t DIRECT = 4096;

    explicit COutputSink(std::string& out)
        : m_out(out), m_buf(new char[CAPACITY]), m_p(m_buf.get()), m_end(m_buf.get() + CAPACITY) {}
    COutputSink(const COutputSink&) = delete;
    COutputSink& operator=(const COutputSink&) = delete;
    ~COutputSink() { Flush(); }

    // Room for n more bytes of small writes (n at most CAPACITY).
    void Ensure(std::size_t n) {
        if (static_cast<std::size_t>(m_end - m_p) < n)
            Flush();
    }
    void Flush() {
        m_out.append(m_buf.get(), static_cast<std::size_t>(m_p - m_buf.get()));
        m_p = m_buf.get();
    }

    template <std::size_t N> void Lit(const char (&s)[N]) {
        std::memcpy(m_p, s, N - 1);
        m_p += N - 1;
    }
    void Char(char c) { *m_p++ = c; }
    void Bytes(std::string_view s) {
        std::memcpy(m_p, s.data(), s.size());
        m_p += s.size();
    }
    void Int(int v) {
        if (v >= 0 && v < 10) {
            *m_p++ = static_cast<char>('0' + v);
            return;
        }
        m_p = std::to_chars(m_p, m_p + 12, v).ptr;
    }
    // A text of any length, with room for `after` more bytes of small writes.
    void Text(std::string_view s, std::size_t after) {
        if (s.size() <= DIRECT && static_cast<std::size_t>(m_end - m_p) >= s.size() + after) {
            Bytes(s);
            return;
        }
        TextSlow(s, after);
    }
    // Removes the last n bytes written (n at most what was written since the last Ensure).
    void Unwrite(std::size_t n) { m_p -= n; }

private:
    void TextSlow(std::string_view s, std::size_t after) {
        Flush();
        if (s.size() > DIRECT)
            m_out.append(s);
        else
            Bytes(s);
        Ensure(after);
    }

    std::string& m_out;
    std::unique_ptr<char[]> m_buf;
    char* m_p;
    char* m_end;
};

} // namespace generator_detail
