#include "output/jpegencoder.h"

#include "platform/base/codepage.h"
#include "platform/base/error.h"

#include <QFile>

namespace {

// Runs a call of the encoder, its errors raised as the run time's.
template <typename Call>
auto Raising(Call&& call) -> decltype(call())
{
    try {
        return call();
    } catch (const jpeg::Failure& e) {
        throw platform::Error(e.number(), QString::fromStdString(e.description()),
                              QString::fromStdString(e.source()));
    }
}

// The bytes a text is written with in a comment: one byte per UTF-16 unit,
// its Windows-1252 code, "?" for a character that code page lacks.
std::string CommentBytes(const QString& text)
{
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (QChar c : text) {
        const int b = platform::windows1252Byte(c.unicode());
        bytes.push_back(b >= 0 ? static_cast<char>(b) : '?');
    }
    return bytes;
}

}  // namespace

void cJpeg::SetSamplingFrequencies(int H1, int V1, int H2, int V2, int H3, int V3)
{
    Raising([&] { m_encoder.SetSamplingFrequencies(H1, V1, H2, V2, H3, V3); });
}

int cJpeg::SamplePixels(const jpeg::PixelArea& picture, int lWidth, int lHeight, int lSrcLeft, int lSrcTop)
{
    return Raising([&] { return m_encoder.SamplePixels(picture, lWidth, lHeight, lSrcLeft, lSrcTop); });
}

void cJpeg::SetComment(const QString& Value)
{
    // One byte a UTF-16 unit: the encoder's limit on bytes is the limit on
    // characters.
    Raising([&] { m_encoder.SetComment(CommentBytes(Value)); });
    m_comment = Value;
}

int cJpeg::SaveFile(const QString& FileName)
{
    return Raising([&] { return m_encoder.SaveFile(QFile::encodeName(FileName).toStdString()); });
}

QByteArray cJpeg::Encode()
{
    return Raising([&] {
        const jpeg::Bytes bytes = m_encoder.Encode();
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    });
}
