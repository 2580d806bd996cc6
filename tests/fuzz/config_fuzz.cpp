// The configuration reader with the cipher: any bytes as the configuration
// file, read for both keys.  Checked besides crashes: a file the reader has
// repaired reads back the same; every Windows-1252 text enciphers and
// deciphers back to itself; the code page gives back every byte string.
#include "fuzzsupport.h"

#include "core/cipher.h"
#include "core/config.h"
#include "platform/base/codepage.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString file = [] {
        Modulo::DefinePastaUsuario(tqfuzz::Folder());
        return Modulo::ObtemPastaUsuario(true) + Modulo::NomeArquivoConfiguracao();
    }();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (platform::toWindows1252(platform::fromWindows1252(bytes)) != bytes)
        tqfuzz::Finding("the code page does not give back a byte string");

    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            tqfuzz::Finding("cannot write the configuration file");
    }
    QString user, password;
    try {
        Modulo::LeConfiguracao(QStringLiteral("IDIOMA_VERIFICACAOAUTOMATICA"), user, password);
        Modulo::LeConfiguracao(QStringLiteral("USUARIO_SENHA"), user, password);
        QString again, againPassword;
        Modulo::LeConfiguracao(QStringLiteral("USUARIO_SENHA"), again, againPassword);
        if (again != user || againPassword != password)
            tqfuzz::Finding("the repaired configuration reads back differently");
    } catch (const platform::Error&) {
    }

    // The cipher, both ways.
    const QString text = tqfuzz::Windows1252(data, size);
    try {
        if (Modulo::CifraTexto(Modulo::CifraTexto(text, true), false) != text)
            tqfuzz::Finding("a text does not decipher to itself");
    } catch (const platform::Error&) {
        tqfuzz::Finding("a Windows-1252 text was refused by the cipher");
    }
    try {
        (void)Modulo::CifraTexto(tqfuzz::Utf8(data, size), false);
    } catch (const platform::Error&) {
    }
    return 0;
}
