#pragma once
// The configuration value cipher: the proxy user name and password of the
// configuration file are stored as upper-case hexadecimal cipher text.
//
// Block cipher: Rijndael, table-driven, with Nb and Nk of 4, 6 or 8 words; the
// program uses Nb = Nk = 4, which is AES-128 (FIPS-197).  Framing: the message
// length as an unsigned 32-bit little-endian number, the message bytes, zero
// bytes up to a whole number of blocks; each block is enciphered on its own
// (electronic codebook order, no chaining).  Texts become bytes through the
// Windows-1252 code page; the key is a fixed 16-character text.
//
// The catalogue program and the update checker carry the same key, so either
// deciphers what the other wrote.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace Modulo {

// The text-level cipher.  An empty text gives an empty text.
// Cifrar = true: the hexadecimal cipher text of Texto.  A text with a
// character outside Windows-1252 is refused (error 5) rather than stored
// changed.
// Cifrar = false: the text that Texto (hexadecimal, either case) enciphers.
// Text that is not cipher text under this key (odd length, a non-hex
// character, not whole blocks, a length prefix of 0 or beyond the frame)
// raises error 5.
QString CifraTexto(const QString& Texto, bool Cifrar);

// The 16-character key.
QString ObtemChaveCifra();

// Text to bytes through Windows-1252 (error 5 for a character outside it).
QByteArray StringToBytes(const QString& texto);
// Bytes to text through Windows-1252.
QString BytesToString(const QByteArray& bytes);
// Two hex digits per byte, either case (error 5 for odd length or a non-hex
// character).
QByteArray HexToBytes(const QString& hex);
// Two upper-case hex digits per byte, no separators.
QString BytesToHex(const QByteArray& bytes);

class CRijndaelASP {
public:
    CRijndaelASP();

    // Computes the S-boxes, the GF(2^8) log and antilog tables, the round
    // tables and the round constants from the field arithmetic.
    void gentables();
    // Sets the block and key sizes (words of 32 bits: 4, 6 or 8) and expands
    // the key (4 * nk bytes) into the encryption and decryption round keys.
    // Other sizes raise error 5.
    void gkey(int nb, int nk, const std::uint8_t* key);
    // One block of 4 * Nb bytes, in place.
    void encrypt(std::uint8_t* buff) const;
    void decrypt(std::uint8_t* buff) const;

    // The framed message enciphered block by block; nothing when the message
    // or the password is empty.  The password is cut or zero-padded to 4 * sNk
    // bytes.
    std::optional<QByteArray> EncryptData(const QByteArray& bytMessage, const QByteArray& bytPassword, int sNb,
                                          int sNk);
    // The message of an enciphered frame; nothing when the input or the
    // password is empty, the input is not whole blocks, or its length prefix
    // exceeds the frame.
    std::optional<QByteArray> DecryptData(const QByteArray& bytIn, const QByteArray& bytPassword, int sNb, int sNk);

private:
    void keyBytes(const QByteArray& password, int nk, std::uint8_t* out) const;

    std::array<std::uint8_t, 256> m_fbsub{};
    std::array<std::uint8_t, 256> m_rbsub{};
    std::array<std::uint8_t, 256> m_ptab{};
    std::array<std::uint8_t, 256> m_ltab{};
    std::array<std::uint32_t, 256> m_ftable{};
    std::array<std::uint32_t, 256> m_rtable{};
    std::array<std::uint32_t, 30> m_rco{};

    int m_nb = 0;
    int m_nk = 0;
    int m_nr = 0;
    std::array<int, 24> m_fi{};
    std::array<int, 24> m_ri{};
    std::array<std::uint32_t, 120> m_fkey{};
    std::array<std::uint32_t, 120> m_rkey{};
};

}  // namespace Modulo
