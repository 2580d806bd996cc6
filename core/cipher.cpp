#include "core/cipher.h"

#include "core/textosproprios.h"
#include "platform/base/codepage.h"
#include "platform/base/error.h"

#include <algorithm>
#include <cstring>

namespace Modulo {
namespace {

using platform::Error;

const QString kOrigem = QStringLiteral("MRijndaelASP");

// Coefficients of InvMixColumns.
constexpr std::uint8_t kInCo[4] = {0x0B, 0x0D, 0x09, 0x0E};

// Words hold four bytes little-endian: byte r of a column at bits 8r..8r+7.
std::uint32_t pack(const std::uint8_t* b)
{
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

void unpack(std::uint32_t w, std::uint8_t* b)
{
    b[0] = std::uint8_t(w);
    b[1] = std::uint8_t(w >> 8);
    b[2] = std::uint8_t(w >> 16);
    b[3] = std::uint8_t(w >> 24);
}

std::uint32_t rotl(std::uint32_t x, int n) { return n == 0 ? x : (x << n) | (x >> (32 - n)); }
std::uint8_t rotl8(std::uint8_t x, int n) { return std::uint8_t((x << n) | (x >> (8 - n))); }

// Multiplication by x (that is 2) in GF(2^8) modulo x^8 + x^4 + x^3 + x + 1.
std::uint8_t xtime(std::uint8_t a) { return std::uint8_t((a << 1) ^ ((a & 0x80) ? 0x1B : 0)); }

[[noreturn]] void naoCifrado(const QString& motivo)
{
    throw Error(platform::errors::InvalidProcedureCall,
                QStringLiteral("The value is not enciphered text of this program: ") + motivo, kOrigem);
}

}  // namespace

// ---------------------------------------------------------------------------
// Text-level functions

QString ObtemChaveCifra()
{
    // Built from character codes at run time, like the key of the original.
    static constexpr char16_t kCodigos[16] = {0x4E, 0x76, 0x37, 0x23, 0x71, 0x54, 0x7A, 0x32,
                                             0x21, 0x4C, 0x72, 0x39, 0x40, 0x77, 0x4B, 0x65};
    QString chave;
    for (char16_t c : kCodigos)
        chave += QChar(c);
    return chave;
}

QByteArray StringToBytes(const QString& texto)
{
    bool ok = false;
    QByteArray bytes = platform::toWindows1252(texto, &ok);
    if (!ok)
        throw Error(platform::errors::InvalidProcedureCall,
                    TextoNoIdioma("O texto tem caracteres que não podem ser gravados (só os caracteres do conjunto "
                                  "Windows-1252 são permitidos).",
                                  "El texto tiene caracteres que no se pueden guardar (solo se permiten los "
                                  "caracteres del conjunto Windows-1252).",
                                  "The text holds characters that cannot be stored (only the Windows-1252 "
                                  "character set is allowed)."),
                    kOrigem);
    return bytes;
}

QString BytesToString(const QByteArray& bytes) { return platform::fromWindows1252(bytes); }

QByteArray HexToBytes(const QString& hex)
{
    if (hex.size() % 2 != 0)
        naoCifrado(QStringLiteral("odd number of hexadecimal digits"));
    QByteArray out;
    out.reserve(hex.size() / 2);
    auto digito = [](QChar c) -> int {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') return u - '0';
        if (u >= 'A' && u <= 'F') return u - 'A' + 10;
        if (u >= 'a' && u <= 'f') return u - 'a' + 10;
        return -1;
    };
    for (qsizetype k = 0; k < hex.size(); k += 2) {
        const int hi = digito(hex[k]);
        const int lo = digito(hex[k + 1]);
        if (hi < 0 || lo < 0)
            naoCifrado(QStringLiteral("a character is not a hexadecimal digit"));
        out.append(static_cast<char>(hi << 4 | lo));
    }
    return out;
}

QString BytesToHex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

QString CifraTexto(const QString& Texto, bool Cifrar)
{
    if (Texto.isEmpty())
        return {};
    const QByteArray chave = StringToBytes(ObtemChaveCifra());
    CRijndaelASP rijndael;
    if (Cifrar) {
        const auto cifrado = rijndael.EncryptData(StringToBytes(Texto), chave, 4, 4);
        return BytesToHex(cifrado.value_or(QByteArray()));
    }
    const auto claro = rijndael.DecryptData(HexToBytes(Texto), chave, 4, 4);
    if (!claro || claro->isEmpty())
        naoCifrado(QStringLiteral("wrong length or key"));
    return BytesToString(*claro);
}

// ---------------------------------------------------------------------------
// The block cipher

CRijndaelASP::CRijndaelASP() = default;

void CRijndaelASP::gentables()
{
    // Antilog and log tables over the generator 3 (x + 1).
    m_ltab[0] = 0;
    m_ptab[0] = 1;
    m_ltab[1] = 0;
    m_ptab[1] = 3;
    m_ltab[3] = 1;
    for (int i = 2; i < 256; ++i) {
        m_ptab[i] = std::uint8_t(m_ptab[i - 1] ^ xtime(m_ptab[i - 1]));
        m_ltab[m_ptab[i]] = std::uint8_t(i);
    }

    // S-box: the multiplicative inverse followed by the affine map.
    m_fbsub[0] = 0x63;
    m_rbsub[0x63] = 0;
    for (int i = 1; i < 256; ++i) {
        const std::uint8_t inv = m_ptab[255 - m_ltab[i]];
        std::uint8_t x = inv;
        for (int r = 1; r <= 4; ++r)
            x ^= rotl8(inv, r);
        x ^= 0x63;
        m_fbsub[i] = x;
        m_rbsub[x] = std::uint8_t(i);
    }

    // Round constants: successive powers of x.
    std::uint8_t rc = 1;
    for (auto& c : m_rco) {
        c = rc;
        rc = xtime(rc);
    }

    auto mul = [this](std::uint8_t a, std::uint8_t b) -> std::uint8_t {
        if (a == 0 || b == 0)
            return 0;
        return m_ptab[(m_ltab[a] + m_ltab[b]) % 255];
    };

    // Round tables: SubBytes and one column of MixColumns (or their inverses)
    // in one lookup.
    for (int i = 0; i < 256; ++i) {
        std::uint8_t b[4];
        const std::uint8_t y = m_fbsub[i];
        b[3] = std::uint8_t(y ^ xtime(y));
        b[2] = y;
        b[1] = y;
        b[0] = xtime(y);
        m_ftable[i] = pack(b);

        const std::uint8_t z = m_rbsub[i];
        b[3] = mul(kInCo[0], z);
        b[2] = mul(kInCo[1], z);
        b[1] = mul(kInCo[2], z);
        b[0] = mul(kInCo[3], z);
        m_rtable[i] = pack(b);
    }
}

void CRijndaelASP::gkey(int nb, int nk, const std::uint8_t* key)
{
    auto valido = [](int n) { return n == 4 || n == 6 || n == 8; };
    if (!valido(nb) || !valido(nk))
        throw Error(platform::errors::InvalidProcedureCall, QStringLiteral("Block and key sizes are 4, 6 or 8 words"),
                    kOrigem);
    m_nb = nb;
    m_nk = nk;
    m_nr = 6 + std::max(nb, nk);

    const int c1 = 1;
    const int c2 = nb < 8 ? 2 : 3;
    const int c3 = nb < 8 ? 3 : 4;
    for (int j = 0, m = 0; j < nb; ++j, m += 3) {
        m_fi[m] = (j + c1) % nb;
        m_fi[m + 1] = (j + c2) % nb;
        m_fi[m + 2] = (j + c3) % nb;
        m_ri[m] = (nb + j - c1) % nb;
        m_ri[m + 1] = (nb + j - c2) % nb;
        m_ri[m + 2] = (nb + j - c3) % nb;
    }

    auto subWord = [this](std::uint32_t w) {
        std::uint8_t b[4];
        unpack(w, b);
        for (auto& x : b)
            x = m_fbsub[x];
        return pack(b);
    };

    const int n = nb * (m_nr + 1);
    for (int i = 0; i < nk; ++i)
        m_fkey[i] = pack(key + 4 * i);
    for (int j = nk, k = 0; j < n; j += nk, ++k) {
        // RotWord is a rotation by one byte towards byte 0.
        m_fkey[j] = m_fkey[j - nk] ^ subWord(rotl(m_fkey[j - 1], 24)) ^ m_rco[k];
        if (nk <= 6) {
            for (int i = 1; i < nk && i + j < n; ++i)
                m_fkey[i + j] = m_fkey[i + j - nk] ^ m_fkey[i + j - 1];
        } else {
            for (int i = 1; i < 4 && i + j < n; ++i)
                m_fkey[i + j] = m_fkey[i + j - nk] ^ m_fkey[i + j - 1];
            if (j + 4 < n)
                m_fkey[j + 4] = m_fkey[j + 4 - nk] ^ subWord(m_fkey[j + 3]);
            for (int i = 5; i < nk && i + j < n; ++i)
                m_fkey[i + j] = m_fkey[i + j - nk] ^ m_fkey[i + j - 1];
        }
    }

    // Equivalent inverse cipher: round keys in reverse order, the inner ones
    // through InvMixColumns.
    auto mul = [this](std::uint8_t a, std::uint8_t b) -> std::uint8_t {
        if (a == 0 || b == 0)
            return 0;
        return m_ptab[(m_ltab[a] + m_ltab[b]) % 255];
    };
    auto invMixCol = [&](std::uint32_t x) {
        std::uint8_t a[4];
        unpack(x, a);
        std::uint8_t b[4];
        for (int r = 0; r < 4; ++r)
            b[r] = mul(kInCo[3], a[r]) ^ mul(kInCo[0], a[(r + 1) % 4]) ^ mul(kInCo[1], a[(r + 2) % 4]) ^
                   mul(kInCo[2], a[(r + 3) % 4]);
        return pack(b);
    };
    for (int j = 0; j < nb; ++j)
        m_rkey[j + n - nb] = m_fkey[j];
    for (int i = nb; i < n - nb; i += nb) {
        const int k = n - nb - i;
        for (int j = 0; j < nb; ++j)
            m_rkey[k + j] = invMixCol(m_fkey[i + j]);
    }
    for (int j = n - nb; j < n; ++j)
        m_rkey[j - n + nb] = m_fkey[j];
}

void CRijndaelASP::encrypt(std::uint8_t* buff) const
{
    std::uint32_t a[8], b[8];
    for (int i = 0; i < m_nb; ++i)
        a[i] = pack(buff + 4 * i) ^ m_fkey[i];
    std::uint32_t* x = a;
    std::uint32_t* y = b;
    int k = m_nb;
    for (int round = 1; round < m_nr; ++round) {
        for (int j = 0, m = 0; j < m_nb; ++j, m += 3)
            y[j] = m_fkey[k++] ^ m_ftable[x[j] & 0xFF] ^ rotl(m_ftable[(x[m_fi[m]] >> 8) & 0xFF], 8) ^
                   rotl(m_ftable[(x[m_fi[m + 1]] >> 16) & 0xFF], 16) ^ rotl(m_ftable[x[m_fi[m + 2]] >> 24], 24);
        std::swap(x, y);
    }
    for (int j = 0, m = 0; j < m_nb; ++j, m += 3)
        y[j] = m_fkey[k++] ^ std::uint32_t(m_fbsub[x[j] & 0xFF]) ^
               rotl(std::uint32_t(m_fbsub[(x[m_fi[m]] >> 8) & 0xFF]), 8) ^
               rotl(std::uint32_t(m_fbsub[(x[m_fi[m + 1]] >> 16) & 0xFF]), 16) ^
               rotl(std::uint32_t(m_fbsub[x[m_fi[m + 2]] >> 24]), 24);
    for (int i = 0; i < m_nb; ++i)
        unpack(y[i], buff + 4 * i);
}

void CRijndaelASP::decrypt(std::uint8_t* buff) const
{
    std::uint32_t a[8], b[8];
    for (int i = 0; i < m_nb; ++i)
        a[i] = pack(buff + 4 * i) ^ m_rkey[i];
    std::uint32_t* x = a;
    std::uint32_t* y = b;
    int k = m_nb;
    for (int round = 1; round < m_nr; ++round) {
        for (int j = 0, m = 0; j < m_nb; ++j, m += 3)
            y[j] = m_rkey[k++] ^ m_rtable[x[j] & 0xFF] ^ rotl(m_rtable[(x[m_ri[m]] >> 8) & 0xFF], 8) ^
                   rotl(m_rtable[(x[m_ri[m + 1]] >> 16) & 0xFF], 16) ^ rotl(m_rtable[x[m_ri[m + 2]] >> 24], 24);
        std::swap(x, y);
    }
    for (int j = 0, m = 0; j < m_nb; ++j, m += 3)
        y[j] = m_rkey[k++] ^ std::uint32_t(m_rbsub[x[j] & 0xFF]) ^
               rotl(std::uint32_t(m_rbsub[(x[m_ri[m]] >> 8) & 0xFF]), 8) ^
               rotl(std::uint32_t(m_rbsub[(x[m_ri[m + 1]] >> 16) & 0xFF]), 16) ^
               rotl(std::uint32_t(m_rbsub[x[m_ri[m + 2]] >> 24]), 24);
    for (int i = 0; i < m_nb; ++i)
        unpack(y[i], buff + 4 * i);
}

void CRijndaelASP::keyBytes(const QByteArray& password, int nk, std::uint8_t* out) const
{
    const int k = 4 * nk;
    for (int i = 0; i < k; ++i)
        out[i] = i < password.size() ? std::uint8_t(password[i]) : 0;
}

std::optional<QByteArray> CRijndaelASP::EncryptData(const QByteArray& bytMessage, const QByteArray& bytPassword,
                                                   int sNb, int sNk)
{
    if (bytMessage.isEmpty() || bytPassword.isEmpty())
        return std::nullopt;
    const int bloco = 4 * sNb;
    std::uint8_t chave[32];
    keyBytes(bytPassword, sNk, chave);
    gentables();
    gkey(sNb, sNk, chave);

    const qsizetype n = bytMessage.size();
    qsizetype l = n + 4;
    if (l % bloco != 0)
        l += bloco - l % bloco;
    QByteArray quadro(l, '\0');
    auto* q = reinterpret_cast<std::uint8_t*>(quadro.data());
    unpack(std::uint32_t(n), q);
    std::memcpy(q + 4, bytMessage.constData(), size_t(n));
    for (qsizetype i = 0; i < l; i += bloco)
        encrypt(q + i);
    return quadro;
}

std::optional<QByteArray> CRijndaelASP::DecryptData(const QByteArray& bytIn, const QByteArray& bytPassword, int sNb,
                                                   int sNk)
{
    if (bytIn.isEmpty() || bytPassword.isEmpty())
        return std::nullopt;
    const int bloco = 4 * sNb;
    const qsizetype l = bytIn.size();
    if (l % bloco != 0)
        return std::nullopt;
    std::uint8_t chave[32];
    keyBytes(bytPassword, sNk, chave);
    gentables();
    gkey(sNb, sNk, chave);

    QByteArray quadro = bytIn;
    auto* q = reinterpret_cast<std::uint8_t*>(quadro.data());
    for (qsizetype i = 0; i < l; i += bloco)
        decrypt(q + i);
    const std::uint32_t n = pack(q);
    if (n > std::uint64_t(l - 4))
        return std::nullopt;
    return quadro.mid(4, qsizetype(n));
}

}  // namespace Modulo
