#include "output/report/arquivos.h"

#include "platform/base/atomicfile.h"
#include "platform/base/error.h"
#include "platform/base/language.h"

#include <cerrno>

namespace saida {

QString MontaNomeArquivo(const QString& sTipo, const QString& sEdicao, const QDateTime& sMomento)
{
    QString nome = QStringLiteral("CAT_TQ");
    if (sEdicao == QLatin1String("D"))
        nome += QStringLiteral("SD");
    return nome + QLatin1Char('_') + sMomento.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QLatin1Char('.') +
           sTipo.toLower();
}

QString NumeraNomeArquivo(const QString& sNome, int sNumero)
{
    if (sNumero == 1)
        return sNome;
    const QString marca = QStringLiteral("__") + QString::number(sNumero);
    // The dot of the file name itself: a dot in a folder's name does not count.
    const int ponto = sNome.lastIndexOf(QLatin1Char('.'));
    if (ponto < 0 || ponto < sNome.lastIndexOf(QLatin1Char('/')))
        return sNome + marca;
    return sNome.left(ponto) + marca + sNome.mid(ponto);
}

QString FiltroArquivo(const QString& sTipo)
{
    if (sTipo == QLatin1String("TXT"))
        return QStringLiteral("TXT (*.txt)|*.txt");
    if (sTipo == QLatin1String("JPG"))
        return QStringLiteral("JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg");
    if (sTipo == QLatin1String("ZIP"))
        return QStringLiteral("ZIP (*.zip)|*.zip");
    return {};
}

long NumeroErroArquivo(int e)
{
    switch (e) {
    case ENOENT:
    case ENOTDIR: return platform::errors::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return platform::errors::PermissionDenied;
    case ENOSPC:
    case EDQUOT: return 61;
    case ENAMETOOLONG: return 52;
    default: return platform::errors::DeviceIOError;
    }
}

QString TextoErroGravacao(const QString& arquivo, const QString& motivo)
{
    return platform::textInLanguage("Não foi possível gravar \"%1\": %2", "No se pudo guardar \"%1\": %2",
                                    "Cannot write \"%1\": %2")
        .arg(arquivo, motivo);
}

int GravaArquivoPagina(const QString& caminho, const QByteArray& bytes)
{
    platform::AtomicFile arquivo;
    int erro = arquivo.open(caminho);
    if (erro == 0)
        erro = arquivo.write(bytes.constData(), std::size_t(bytes.size()));
    if (erro == 0)
        erro = arquivo.commit();
    return erro;  // an unfinished file goes with `arquivo`
}

}  // namespace saida
