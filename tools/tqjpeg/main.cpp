// tqjpeg IN.pnm OUT.jpg [quality] [h1,v1,h2,v2,h3,v3]
//
// Encodes a PGM or PPM picture with the catalogue's encoder.  Without
// sampling factors a PGM gives a greyscale file and a PPM the encoder's
// default 2x2,1x1,1x1; the quality defaults to the encoder's 75.  An existing
// OUT is never replaced.
// Exit status: 0 written, 1 failed (reason on stderr), 2 bad arguments.
//
// The program uses no Qt, so that its start costs next to nothing beside
// the encoding: the file is read with the system's calls and written as the
// catalogue writes a new file (output/newfile.h).

#include "output/jpegcore.h"
#include "output/jpegsample.h"
#include "pnm.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

int Usage()
{
    std::fputs("usage: tqjpeg IN.pnm OUT.jpg [quality] [h1,v1,h2,v2,h3,v3]\n", stderr);
    return 2;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "tqjpeg: %s\n", message.c_str());
    return 1;
}

// A decimal integer of int's range with an optional sign, blanks allowed
// around it.
bool ParseInt(std::string_view text, int& value)
{
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > std::int64_t(INT_MAX) + 1)
            return false;
    }
    v = negative ? -v : v;
    if (v > INT_MAX)
        return false;
    value = int(v);
    return true;
}

// The bytes of a file: mapped when the file allows it (no copy), else read.
class InputFile {
public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile()
    {
        if (m_mapped)
            ::munmap(m_mapped, m_size);
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // Empty on success, else the reason.
    std::string open(const char* path)
    {
        m_fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (m_fd < 0)
            return std::strerror(errno);
        struct stat st {};
        if (::fstat(m_fd, &st) != 0)
            return std::strerror(errno);
        if (S_ISDIR(st.st_mode))
            return "file to open is a directory";
        if (S_ISREG(st.st_mode) && st.st_size > 0) {
            void* p = ::mmap(nullptr, std::size_t(st.st_size), PROT_READ, MAP_PRIVATE, m_fd, 0);
            if (p != MAP_FAILED) {
                m_mapped = p;
                m_size = std::size_t(st.st_size);
                return {};
            }
        }
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return std::strerror(errno);
            if (n == 0)
                return {};
            m_read.insert(m_read.end(), chunk, chunk + n);
        }
    }

    std::string_view bytes() const
    {
        return m_mapped ? std::string_view(static_cast<const char*>(m_mapped), m_size)
                        : std::string_view(m_read.data(), m_read.size());
    }

private:
    int m_fd = -1;
    void* m_mapped = nullptr;
    std::size_t m_size = 0;
    std::vector<char> m_read;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5)
        return Usage();
    const std::string input = argv[1];
    const std::string output = argv[2];

    int quality = 0;
    if (argc >= 4 && (!ParseInt(argv[3], quality) || quality < 1 || quality > 100))
        return Usage();
    std::vector<int> factors;
    if (argc >= 5) {
        std::string_view list = argv[4];
        for (;;) {
            const std::size_t comma = list.find(',');
            int factor = 0;
            if (!ParseInt(list.substr(0, comma), factor))
                return Usage();
            factors.push_back(factor);
            if (comma == std::string_view::npos)
                break;
            list.remove_prefix(comma + 1);
        }
        if (factors.size() != 6)
            return Usage();
    }

    InputFile file;
    if (const std::string reason = file.open(input.c_str()); !reason.empty())
        return Fail(input + ": " + reason);
    std::string error;
    const jpeg::PixelArea picture = tqjpeg::ReadPnm(file.bytes(), error);
    if (picture.isNull())
        return Fail(input + ": " + error);

    try {
        jpeg::Encoder encoder;
        if (!factors.empty())
            encoder.SetSamplingFrequencies(factors[0], factors[1], factors[2], factors[3], factors[4], factors[5]);
        else if (picture.isGray())
            encoder.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
        if (quality)
            encoder.SetQuality(quality);
        if (encoder.SamplePixels(picture, picture.width(), picture.height(), 0, 0) != 0)
            return Fail("not enough memory to sample the picture");
        switch (encoder.SaveFile(output)) {
        case 0:
            return 0;
        case 2:
            return Fail(output + " exists; it is not replaced");
        default:
            return Fail("no output file name");
        }
    } catch (const jpeg::Failure& e) {
        return Fail("error " + std::to_string(e.number()) + ": " + e.description());
    }
}
