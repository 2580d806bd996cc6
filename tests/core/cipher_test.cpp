#include "core/cipher.h"
#include "platform/base/error.h"

#include <QProcess>
#include <QStandardPaths>

#include "support/qstringprinter.h"

#include "support/testutil.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Modulo;

namespace {

std::vector<std::uint8_t> hexBytes(const char* hex)
{
    const QByteArray b = QByteArray::fromHex(hex);
    return {b.begin(), b.end()};
}

QByteArray frameOf(const QByteArray& message)
{
    QByteArray frame;
    const quint32 n = quint32(message.size());
    for (int i = 0; i < 4; ++i)
        frame.append(char((n >> (8 * i)) & 0xFF));
    frame += message;
    while (frame.size() % 16)
        frame.append('\0');
    return frame;
}

}  // namespace

// FIPS-197 appendix C (and the worked example of appendix B), for every key size.
TEST(Cipher, BlockCipherMatchesFips197)
{
    struct Vector {
        const char* name;
        int nk;
        const char* key;
        const char* plain;
        const char* cipher;
    };
    const Vector vectors[] = {
        {"AES-128 C.1", 4, "000102030405060708090a0b0c0d0e0f", "00112233445566778899aabbccddeeff",
         "69c4e0d86a7b0430d8cdb78070b4c55a"},
        {"AES-128 B", 4, "2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734",
         "3925841d02dc09fbdc118597196a0b32"},
        {"AES-192 C.2", 6, "000102030405060708090a0b0c0d0e0f1011121314151617", "00112233445566778899aabbccddeeff",
         "dda97ca4864cdfe06eaf70a0ec0d7191"},
        {"AES-256 C.3", 8, "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
         "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
    };
    for (const Vector& v : vectors) {
        SCOPED_TRACE(v.name);
        CRijndaelASP r;
        r.gentables();
        auto key = hexBytes(v.key);
        r.gkey(4, v.nk, key.data());
        auto block = hexBytes(v.plain);
        r.encrypt(block.data());
        EXPECT_EQ(block, hexBytes(v.cipher));
        r.decrypt(block.data());
        EXPECT_EQ(block, hexBytes(v.plain));
    }
}

TEST(Cipher, FramingLengths)
{
    CRijndaelASP r;
    const QByteArray key = "0123456789abcdef";
    struct Row {
        int n;
        int framed;
    };
    for (const Row row : {Row{1, 16}, Row{12, 16}, Row{13, 32}, Row{16, 32}, Row{28, 32}, Row{29, 48}, Row{44, 48}}) {
        SCOPED_TRACE(row.n);
        const QByteArray message(row.n, 'x');
        const auto enc = r.EncryptData(message, key, 4, 4);
        ASSERT_TRUE(enc.has_value());
        EXPECT_EQ(enc->size(), row.framed);
        const auto dec = r.DecryptData(*enc, key, 4, 4);
        ASSERT_TRUE(dec.has_value());
        EXPECT_EQ(*dec, message);
    }
    EXPECT_FALSE(r.EncryptData({}, key, 4, 4).has_value());
    EXPECT_FALSE(r.EncryptData("x", {}, 4, 4).has_value());
    EXPECT_FALSE(r.DecryptData(QByteArray(15, 'a'), key, 4, 4).has_value());
    // A frame whose length prefix exceeds the frame.
    QByteArray frame = frameOf("abc");
    frame[0] = char(13);
    CRijndaelASP raw;
    raw.gentables();
    raw.gkey(4, 4, reinterpret_cast<const std::uint8_t*>(key.constData()));
    raw.encrypt(reinterpret_cast<std::uint8_t*>(frame.data()));
    EXPECT_FALSE(r.DecryptData(frame, key, 4, 4).has_value());
}

TEST(Cipher, CifraTextoRoundTrips)
{
    const QString texts[] = {"a", "proxyuser", "twelve chars", "thirteen char", "Senha com acentuação €", QString(60, 'z')};
    for (const QString& t : texts) {
        SCOPED_TRACE(t.toStdString());
        const QString hex = CifraTexto(t, true);
        EXPECT_EQ(hex, hex.toUpper());
        EXPECT_EQ(hex.size() % 32, 0);
        EXPECT_EQ(hex, CifraTexto(t, true)) << "enciphering is deterministic";
        EXPECT_EQ(CifraTexto(hex, false), t);
        EXPECT_EQ(CifraTexto(hex.toLower(), false), t);
    }
    EXPECT_EQ(CifraTexto(QString(12, 'a'), true).size(), 32);
    EXPECT_EQ(CifraTexto(QString(13, 'a'), true).size(), 64);
    EXPECT_EQ(CifraTexto(QString(28, 'a'), true).size(), 64);
    EXPECT_EQ(CifraTexto(QString(29, 'a'), true).size(), 96);
    EXPECT_EQ(CifraTexto("", true), QString());
    EXPECT_EQ(CifraTexto("", false), QString());
}

TEST(Cipher, TextThatIsNotCipherTextIsRefused)
{
    const QString good = CifraTexto("user", true);
    const QString bad[] = {
        good.left(30),                 // 30 digits
        good + "A",                    // 33 digits
        good.left(31) + "G",           // not a hex digit
        good.left(16),                 // not a whole block
        QString(32, '0'),              // deciphers to a nonsense length prefix
    };
    for (const QString& b : bad) {
        SCOPED_TRACE(b.toStdString());
        EXPECT_EQ(tqtest::errorNumberOf([&] { CifraTexto(b, false); }), platform::errors::InvalidProcedureCall);
    }
    // A frame with a length prefix of 0 is not a value this program wrote.
    CRijndaelASP r;
    r.gentables();
    const QByteArray key = StringToBytes(ObtemChaveCifra());
    r.gkey(4, 4, reinterpret_cast<const std::uint8_t*>(key.constData()));
    QByteArray zero(16, '\0');
    r.encrypt(reinterpret_cast<std::uint8_t*>(zero.data()));
    EXPECT_EQ(tqtest::errorNumberOf([&] { CifraTexto(BytesToHex(zero), false); }), platform::errors::InvalidProcedureCall);
}

TEST(Cipher, TextOutsideTheCodePageIsRefusedNotChanged)
{
    EXPECT_EQ(tqtest::errorNumberOf([] { CifraTexto(QStringLiteral("user\u4E2D"), true); }),
              platform::errors::InvalidProcedureCall);
    EXPECT_EQ(tqtest::errorNumberOf([] { CifraTexto(QStringLiteral("\u0141ukasz"), true); }),
              platform::errors::InvalidProcedureCall);
}

TEST(Cipher, KeyIsSixteenFixedCharacters)
{
    const QString key = ObtemChaveCifra();
    EXPECT_EQ(key.size(), 16);
    EXPECT_EQ(StringToBytes(key).size(), 16);
    EXPECT_EQ(key, ObtemChaveCifra());
}

// openssl is the oracle: what we encipher, it deciphers to the same frame, and
// what it enciphers from a frame is our cipher text.
TEST(Cipher, OpensslAgreesWithTheFraming)
{
    const QString openssl = QStandardPaths::findExecutable("openssl");
    if (openssl.isEmpty())
        GTEST_SKIP() << "openssl not installed";
    const QString keyHex = BytesToHex(StringToBytes(ObtemChaveCifra()));
    auto run = [&](const QStringList& extra, const QByteArray& input) {
        QProcess p;
        QStringList args = {"enc", "-aes-128-ecb", "-nopad", "-K", keyHex};
        args += extra;
        p.start(openssl, args);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput();
    };
    for (const QString& text : {QStringLiteral("proxy.user"), QStringLiteral("a longer password: ção!"),
                                QStringLiteral("exactly12chr")}) {
        SCOPED_TRACE(text.toStdString());
        const QByteArray cipher = HexToBytes(CifraTexto(text, true));
        EXPECT_EQ(run({"-d"}, cipher), frameOf(StringToBytes(text)));
        EXPECT_EQ(run({"-e"}, frameOf(StringToBytes(text))), cipher);
    }
}
