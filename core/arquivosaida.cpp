#include "core/arquivosaida.h"

#include "core/globals.h"
#include "core/texts.h"
#include "platform/desktop/mail.h"

namespace Modulo {

QString MontaNomeArquivo(const QString& Tipo, const QDateTime& Momento, const QString& Edicao)
{
    const QString edicao = Edicao.isEmpty() ? gEdicao : Edicao;
    return QStringLiteral("CAT_TQ") + (edicao == QLatin1String("D") ? QStringLiteral("SD") : QString()) +
           QLatin1Char('_') + Momento.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QLatin1Char('.') + Tipo.toLower();
}

QString FiltroArquivo(const QString& Tipo)
{
    if (Tipo == QLatin1String("TXT"))
        return QStringLiteral("TXT (*.txt)|*.txt");
    if (Tipo == QLatin1String("JPG"))
        return QStringLiteral("JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg");
    if (Tipo == QLatin1String("ZIP"))
        return QStringLiteral("ZIP (*.zip)|*.zip");
    return {};
}

void DialogoArquivo::Configura(const QString& Tipo)
{
    if (!m_configurado) {
        m_configurado = true;
        m_requisicao.title = ObtemTexto(19) + QStringLiteral(" - ") + ObtemTexto(20);
        m_requisicao.folder = platform::saveDialogFolder();
    }
    m_requisicao.filter = FiltroArquivo(Tipo);
}

QString DialogoArquivo::Mostra(const QString& NomeArquivo, QWidget* pai)
{
    platform::SaveFileRequest r = m_requisicao;
    r.fileName = NomeArquivo;
    return platform::saveDialogs().GetSaveFileName(r, pai);
}

void EnviaEmail(const QString& sArquivos, const QString& sSeparador)
{
    const QStringList arquivos = sSeparador.isEmpty() ? QStringList{sArquivos}
                                                      : sArquivos.split(sSeparador, Qt::SkipEmptyParts);
    platform::mailer().SendDocuments(arquivos);
}

}  // namespace Modulo
