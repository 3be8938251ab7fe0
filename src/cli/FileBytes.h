#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The bytes of a file or of standard input, held in memory of their own. A
// large file's go into memory mapped for them alone and offered to the system
// for large pages: the system then provides it in a few steps instead of one
// for every 4 KB, which costs more than reading the bytes.
class FileBytes {
public:
    FileBytes() = default;
    explicit FileBytes(std::string bytes)
        : m_string(std::move(bytes))
    {
    }

    std::string_view View() const { return m_mapping ? std::string_view(m_data, m_size) : m_string; }
    bool Empty() const { return View().empty(); }
    // Whether every byte is ASCII and none is a zero byte: seen piece by
    // piece as a large file is read, while each piece is still at hand.
    bool PlainAscii() const { return m_mapping ? m_plainAscii : IsPlainAscii(m_string); }

    // Reads a whole regular file as ReadFileBytes does, with its reasons when
    // it cannot.
    static bool Read(const std::string& path, FileBytes& bytes, std::string& reason);
    // The same for a command that only reads the bytes, never the file's
    // writer: a large file's are mapped as the system holds them, neither
    // copied nor given memory of their own. Should the file be cut short while
    // they are read, the program says so and ends with status 2.
    static bool Map(const std::string& path, FileBytes& bytes, std::string& reason);

    static bool IsPlainAscii(std::string_view bytes);

private:
    struct Unmap {
        std::size_t length;
        void operator()(char* start) const;
    };

    std::string m_string;
    std::unique_ptr<char, Unmap> m_mapping;
    const char* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_plainAscii = false;
};
