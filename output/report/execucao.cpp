// The figure and table output run of the output options screen, and the
// screen's preset for request 5.
#include "output/report/saida.h"

#include "output/report/compactacao.h"
#include "output/report/cursor.h"

#include "core/database.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/texts.h"
#include "platform/base/doevents.h"
#include "platform/base/error.h"
#include "platform/desktop/mail.h"
#include "platform/desktop/messagebox.h"

namespace saida {

std::vector<ParteFiguraSaida> ObtemPartesFigura(long sCodigoPeca)
{
    QString sql = QStringLiteral("SELECT ") + QStringLiteral("PARTESFIGURA.NumeroParte,") +
                  QStringLiteral("PARTESFIGURA.DescricaoParte<I> AS DescricaoParte ") + QStringLiteral("FROM ") +
                  QStringLiteral("PECA,") + QStringLiteral("PARTESFIGURA ") + QStringLiteral("WHERE ") +
                  QStringLiteral("PECA.CodigoPeca = ") + QString::number(sCodigoPeca) + QStringLiteral(" ") +
                  QStringLiteral("AND ") + QStringLiteral("PECA.CodigoFigura = PARTESFIGURA.CodigoFigura ") +
                  QStringLiteral("ORDER BY ") + QStringLiteral("PARTESFIGURA.NumeroParte");
    sql.replace(QStringLiteral("<I>"), Modulo::gIdioma);
    platform::dao::RecordsetPtr rs = Modulo::AbreConsulta(sql, nullptr, platform::dao::dbOpenForwardOnly);
    std::vector<ParteFiguraSaida> partes;
    for (; !rs->EOF_(); rs->MoveNext()) {
        ParteFiguraSaida p;
        p.NumeroParte = rs->Value(0).toInt();
        const QVariant descricao = rs->Value(1);
        p.Descricao = platform::dao::IsNull(descricao) ? QString() : descricao.toString();
        partes.push_back(p);
    }
    Modulo::FechaConsulta(rs);
    return partes;
}

void PreparaEscolha(EscolhaSaida& e, long sCodigoPeca, const QString& sOpcoes, int sParteFigura)
{
    e.ModoSelecaoPartes = EscolhaSaida::kSemPintura;
    e.Figura = sOpcoes != QLatin1String("T");
    e.Tabela = sOpcoes != QLatin1String("F");
    e.Partes = ObtemPartesFigura(sCodigoPeca);
    for (std::size_t i = 0; i < e.Partes.size(); ++i)
        e.Partes[i].Selecionada = sParteFigura == 255 || int(i) == sParteFigura;
}

void Saida::Compacta()
{
    m_ambiente.MostraStatus(Modulo::ObtemTexto(51) + QStringLiteral("..."));
    const QStringList paginas = PaginasGravadas();
    CompactaArquivos(m_arquivoCompactado, paginas);
    RemovePaginasTemporarias();
    m_ambiente.MostraStatus(QString());
}

bool Saida::GeraFiguraTabela(const EscolhaSaida& escolha)
{
    const auto nadaSelecionado = [] {
        platform::MsgBox(Modulo::ObtemTexto(16) + QStringLiteral("."), platform::vbCritical | platform::vbOKOnly,
                         Modulo::ObtemTexto(19));
        return false;
    };
    if (!escolha.Figura && !escolha.Tabela)
        return nadaSelecionado();
    const int selecionadas = static_cast<int>(escolha.PartesSelecionadas().size());
    if (selecionadas == 0)
        return nadaSelecionado();

    bool ok = false;
    IniciaSaida(2, ok);
    if (!ok)
        return false;

    const bool arquivos = mModoSaida != QLatin1String("P");
    Ampulheta ampulheta;
    m_ambiente.HabilitaJanela(false);
    try {
        platform::DoEvents();
        int total = 0;
        if (arquivos) {
            PrefixoStatus = Modulo::ObtemTexto(50) + QStringLiteral("... ");
            AtualizaStatusGeracao(selecionadas, 0);
            total = (escolha.Figura && escolha.Tabela ? selecionadas * 2 : selecionadas) + 1;
        }
        QString ListaJogos, ListaObs;
        int feitos = 0;
        bool todasSelecionadas = true;
        bool ultimaTabela = false;
        for (const ParteFiguraSaida& parte : escolha.Partes) {
            if (!parte.Selecionada) {
                todasSelecionadas = false;
                continue;
            }
            if (escolha.Figura) {
                ImprimeFigura(CodigoPecaSaida, parte.NumeroParte);
                AtualizaStatusGeracao(total, ++feitos);
            }
            if (escolha.Tabela) {
                bool impresso = false;
                ImprimeTabela(CodigoPecaSaida, parte.NumeroParte, ListaJogos, ListaObs, impresso);
                ultimaTabela = impresso;
                AtualizaStatusGeracao(total, ++feitos);
            }
        }
        if (escolha.Tabela) {
            if (todasSelecionadas) {
                bool impresso = false;
                ImprimeTabela(CodigoPecaSaida, 255, ListaJogos, ListaObs, impresso);
                ultimaTabela = ultimaTabela || impresso;
            }
            // Output that ends on a figure page: the sections start a page
            // of their own.
            if (escolha.Figura && !ultimaTabela)
                mDispositivoSaida->SetCurrentY(U(2500));
            ImprimeJogosReparo(CodigoPecaSaida, ListaJogos);
            ImprimeObservacoes(CodigoPecaSaida, ListaObs);
        }
        FinalizaSaida();
        AtualizaStatusGeracao(total, ++feitos);
        if (arquivos)
            m_ambiente.MostraStatus(QString());

        // The single compressed file is built from the pages, so the message
        // and the e-mail name a file that exists.
        if (arquivos && !m_arquivoCompactado.isEmpty())
            Compacta();

        if (mModoSaida != QLatin1String("P") && mModoSaida != QLatin1String("G")) {
            const QStringList anexos = m_arquivoCompactado.isEmpty() ? PaginasGravadas() : QStringList{m_arquivoCompactado};
            if (!anexos.isEmpty()) {
                platform::DoEvents();
                // Handed to the mail program, the files are its own: they
                // stay whatever comes of it.  A mail program that fails after
                // the wait gives the box of a quick failure when it ends;
                // this run and its window may be gone by then.
                m_pastaEnvio.clear();
                platform::mailer().SendDocuments(
                    anexos, [](const platform::Error& e) { Modulo::MostraErro(e.number(), e.description()); });
            }
        }
        ampulheta.Desliga();
        if (mModoSaida == QLatin1String("G"))
            platform::MsgBox(Modulo::ObtemTexto(32).replace(QStringLiteral("|1|"), m_arquivoAceito) + QStringLiteral("."),
                             platform::vbInformation | platform::vbOKOnly, Modulo::ObtemTexto(19));
        m_ambiente.HabilitaJanela(true);
        platform::DoEvents();
        return true;
    } catch (const platform::Error& e) {
        AbortaSaida();
        m_ambiente.HabilitaJanela(true);
        ampulheta.Desliga();
        if (arquivos)
            m_ambiente.MostraStatus(QString());
        MostraFalha(e.number(), e.description());
    } catch (const std::exception& e) {
        AbortaSaida();
        m_ambiente.HabilitaJanela(true);
        ampulheta.Desliga();
        if (arquivos)
            m_ambiente.MostraStatus(QString());
        MostraFalha(Modulo::kErroInterno, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

}  // namespace saida
