#include "comparison/exportacaolista.h"

#include "core/dates.h"
#include "core/errorbox.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/texts.h"
#include "output/report/arquivos.h"
#include "platform/base/atomicfile.h"
#include "platform/base/codepage.h"
#include "platform/base/doevents.h"
#include "platform/desktop/inputdiscard.h"
#include "platform/desktop/mail.h"
#include "platform/desktop/messagebox.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace Comparacao {

using namespace platform::dao;

namespace {

const QString kFimLinha = QStringLiteral("\r\n");

// The hourglass pointer while an action runs (nothing without a GUI).
class Ampulheta {
public:
    Ampulheta()
    {
        m_ativa = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
        if (m_ativa)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~Ampulheta()
    {
        // The error box may have cleared it already.
        if (m_ativa && QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
    Ampulheta(const Ampulheta&) = delete;
    Ampulheta& operator=(const Ampulheta&) = delete;

private:
    bool m_ativa = false;
};

// NFC, line breaks and tabs as spaces, one "?" for each character the code
// page cannot hold.
QString textoArquivo(const QString& valor)
{
    const QString nfc = valor.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(nfc.size());
    for (const char32_t c : nfc.toUcs4()) {
        if (c == U'\r' || c == U'\n' || c == U'\t')
            out += QLatin1Char(' ');
        else if (c <= 0xFFFF && platform::windows1252Byte(char16_t(c)) >= 0)
            out += QChar(char16_t(c));
        else
            out += QLatin1Char('?');
    }
    return out;
}

void mensagemListaVazia()
{
    platform::MsgBox(Modulo::ObtemTexto(16) + QLatin1Char('.'), platform::vbCritical | platform::vbOKOnly,
                     Modulo::ObtemTexto(19));
}

}  // namespace

QString CampoArquivoLista(const QVariant& Valor, int Tamanho, bool Esquerda)
{
    const QString t = IsNull(Valor) ? QString() : textoArquivo(Valor.toString());
    return Modulo::FormataCampoFixo(t, Tamanho, Esquerda ? QStringLiteral("D") : QStringLiteral("E"));
}

QString LinhaTextoLista(const LinhaArquivoLista& l)
{
    const bool opcional = !IsNull(l.opcional) && l.opcional.toString() == QLatin1String(" ");
    return CampoArquivoLista(l.numero, 31, true) + CampoArquivoLista(l.descricao, 51, true) +
           CampoArquivoLista(l.quantidade, 10, false) + QLatin1Char(' ') + CampoArquivoLista(l.descricaoTipo, 20, true) +
           (opcional ? QStringLiteral("op") : QStringLiteral("  "));
}

QByteArray MontaArquivoTextoLista(const std::vector<LinhaArquivoLista>& Linhas, const QString& TextoDataEmissao,
                                  const QString& Idioma, const QString& Edicao)
{
    const QString idioma = Idioma.isEmpty() ? Modulo::gIdioma : Idioma;
    const QString edicao = Edicao.isEmpty() ? Modulo::gEdicao : Edicao;
    auto t = [&](int n) { return Modulo::ObtemTexto(n, idioma, edicao); };
    QString texto = textoArquivo(t(19) + QStringLiteral("     3.2     ") + TextoDataEmissao) + kFimLinha + kFimLinha;
    texto += LinhaTextoLista({t(5).toUpper(), t(28).toUpper(), t(25).toUpper(), t(31).toUpper(), QVariant()}) + kFimLinha;
    for (const LinhaArquivoLista& l : Linhas)
        texto += LinhaTextoLista(l) + kFimLinha;
    return platform::toWindows1252(texto);
}

std::vector<LinhaArquivoLista> LeLinhasLista(const RecordsetPtr& Lista)
{
    std::vector<LinhaArquivoLista> linhas;
    if (!Lista)
        return linhas;
    RecordsetPtr copia = Lista->Clone();
    if (copia->RecordCount() > 0)
        copia->MoveFirst();
    while (!copia->EOF_()) {
        linhas.push_back({copia->Value(QStringLiteral("NumeroEmpresa")), copia->Value(QStringLiteral("Descricao")),
                          copia->Value(QStringLiteral("Quantidade")), copia->Value(QStringLiteral("DescricaoTipo")),
                          copia->Value(QStringLiteral("Opcional"))});
        copia->MoveNext();
    }
    copia->Close();
    return linhas;
}

void GeraArquivoTextoLista(const QString& NomeArquivo, const RecordsetPtr& Lista, const QString& TextoDataEmissao,
                           const QString& Idioma, const QString& Edicao)
{
    const QByteArray bytes = MontaArquivoTextoLista(LeLinhasLista(Lista), TextoDataEmissao, Idioma, Edicao);
    if (const int erro = platform::WriteFileAtomically(NomeArquivo, bytes); erro != 0)
        Modulo::LevantaErroArquivo(erro, NomeArquivo);
}

QString GeraArquivoLista(const RecordsetPtr& Lista, const PerguntaArquivo& Dialogo, const QString& TextoDataEmissao,
                         const QDateTime& Momento)
{
    if (!Lista || Lista->EOF_()) {
        mensagemListaVazia();
        return {};
    }
    const std::optional<QString> aceito = Dialogo(saida::MontaNomeArquivo(QStringLiteral("TXT"), Modulo::gEdicao, Momento));
    if (!aceito || aceito->isEmpty())
        return {};
    const QString caminho = *aceito;
    platform::DoEvents();
    {
        Ampulheta ampulheta;
        GeraArquivoTextoLista(caminho, Lista, TextoDataEmissao);
    }
    platform::MsgBox(Modulo::ObtemTexto(32).replace(QLatin1String("|1|"), caminho) + QLatin1Char('.'),
                     platform::vbInformation | platform::vbOKOnly, Modulo::ObtemTexto(19));
    return caminho;
}

QString EnviaEmailLista(const RecordsetPtr& Lista, const QString& TextoDataEmissao, const QDateTime& Momento)
{
    if (!Lista || Lista->EOF_()) {
        mensagemListaVazia();
        return {};
    }
    Ampulheta ampulheta;
    // From the click to the mail program's answer the user's input is thrown
    // away, the pending events run below included: a second click on the
    // button must not send a second message.
    platform::DiscardUserInput semEntrada;
    const QString caminho = Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), true) +
                            saida::MontaNomeArquivo(QStringLiteral("TXT"), Modulo::gEdicao, Momento);
    GeraArquivoTextoLista(caminho, Lista, TextoDataEmissao);
    platform::DoEvents();
    // A late failure of the mail program gives the box the event handlers
    // give to the error raised now.
    platform::mailer().SendDocuments(
        {caminho}, [](const platform::Error& e) { Modulo::MostraErro(e.number(), e.description()); });
    return caminho;
}

}  // namespace Comparacao
