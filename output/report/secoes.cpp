// The repair-kit and note sections after the last table page.
#include "output/report/saida.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/texts.h"
#include "platform/base/error.h"
#include "platform/base/language.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <functional>

namespace saida {

namespace {

// The note text's lines: a memo may hold CR LF, LF or CR line breaks.
QStringList LinhasTexto(const QString& texto)
{
    static const QRegularExpression quebra(QStringLiteral("\r\n|\n|\r"));
    return texto.split(quebra);
}

}  // namespace

void Saida::ImprimeJogosReparo(long sCodigoPeca, const QString& ListaJogos)
{
    Superficie& d = *mDispositivoSaida;
    if (ListaJogos.trimmed().isEmpty())
        return;
    platform::dao::RecordsetPtr rs;
    try {
        // The list goes into the statement as it is: only digits and commas.
        static const QRegularExpression codigos(QStringLiteral("^\\s*\\d+(\\s*,\\s*\\d+)*\\s*$"));
        if (!codigos.match(ListaJogos).hasMatch())
            throw platform::Error(platform::errors::TypeMismatch,
                                  platform::runTimeErrorText(platform::errors::TypeMismatch, ListaJogos),
                                  QStringLiteral("ImprimeJogosReparo"));
        QString sql = QStringLiteral("SELECT DISTINCT ") + QStringLiteral("PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,") +
                      QStringLiteral("JOGOREPARO.DescricaoJogoReparo<I> AS DescricaoJogoReparo,") +
                      QStringLiteral("Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') AS NumeroEmpresaJogoReparo ") +
                      QStringLiteral("FROM ") + QStringLiteral("PECA_COMPONENTE_JOGOREPARO ") +
                      QStringLiteral("INNER JOIN JOGOREPARO ON PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo ") +
                      QStringLiteral("WHERE ") + QStringLiteral("PECA_COMPONENTE_JOGOREPARO.CodigoPeca = ") +
                      QString::number(sCodigoPeca) + QStringLiteral(" ") + QStringLiteral("AND ") +
                      QStringLiteral("PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo IN (") + ListaJogos + QStringLiteral(") ") +
                      QStringLiteral("ORDER BY ") + QStringLiteral("PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo");
        sql.replace(QStringLiteral("<I>"), Modulo::gIdioma);
        rs = Consulta(sql);
        const auto titulos = [&] {
            ImprimeTitulos({{0, Modulo::ObtemTexto(4), Celula::Texto}, {1250, Modulo::ObtemTexto(5), Celula::Texto}});
        };
        // A row continued past the section's end goes on on a new page.
        const auto continua = QuebraContinuacao(2400, [&] {
            ImprimeCabecalho(Modulo::ObtemTexto(23), QStringLiteral("<mInf>"), -1);
            titulos();
        });
        bool primeira = true;
        for (; !rs->EOF_(); rs->MoveNext()) {
            const std::vector<Celula> linha{{0, TextoNumero(rs->Value(QStringLiteral("CodigoJogoReparo")))},
                                            {150, rs->Value(QStringLiteral("DescricaoJogoReparo")).toString(), Celula::Texto},
                                            {1250, rs->Value(QStringLiteral("NumeroEmpresaJogoReparo")).toString()}};
            // A row of several lines that would not all begin before the
            // section's end starts a new page.
            std::vector<LinhaDisposta> disposta;
            if (!primeira)
                disposta = DispoeLinha(linha);
            if (d.CurrentY() > U(2400) || primeira || !CabeAte(2400, disposta.size(), 20)) {
                primeira = false;
                if (d.CurrentY() > U(2300) || !CabeAte(2400, disposta.size(), 20))
                    ImprimeCabecalho(Modulo::ObtemTexto(23), QStringLiteral("<mInf>"), -1);
                titulos();
                disposta = DispoeLinha(linha);
            }
            Desce(20);
            ImprimeDisposta(disposta, continua);
        }
        Modulo::FechaConsulta(rs);
    } catch (const platform::Error& e) {
        Modulo::FechaConsulta(rs);
        d.SetFontBold(false);
        d.SetFontItalic(false);
        FalhaPagina(e);
    }
}

void Saida::ImprimeObservacoes(long sCodigoPeca, const QString& ListaObs)
{
    Superficie& d = *mDispositivoSaida;
    if (ListaObs.trimmed().isEmpty())
        return;
    try {
        bool primeira = true;
        const auto titulos = [&] {
            ImprimeTitulos({{0, Modulo::ObtemTexto(24), Celula::Texto},
                            {320, Modulo::ObtemTexto(5), Celula::Texto},
                            {720, Modulo::ObtemTexto(8), Celula::Texto}});
        };
        // A memo's further lines stand under its first one; a line that
        // would start past the page's end goes to a new page under the
        // repeated header and headings.  A line too long for the page goes
        // on under its start, broken at blanks, the same way.
        const auto continua = QuebraContinuacao(2400, [&] {
            ImprimeCabecalho(Modulo::ObtemTexto(23), QStringLiteral("<mInf>"), -1);
            titulos();
        });
        for (const QString& entrada : ListaObs.split(QLatin1Char('|'))) {
            const QStringList campos = entrada.split(QLatin1Char('$'));
            if (campos.size() < 3)
                throw platform::Error(9, platform::runTimeErrorText(9), QStringLiteral("ImprimeObservacoes"));
            bool ok = false;
            const long codigo = campos[0].trimmed().toLong(&ok);
            if (!ok)
                throw platform::Error(platform::errors::TypeMismatch,
                                      platform::runTimeErrorText(platform::errors::TypeMismatch),
                                      QStringLiteral("ImprimeObservacoes"));
            const QString item = campos[1];
            const QString numero = campos[2];

            if (d.CurrentY() > U(2400) || primeira) {
                primeira = false;
                if (d.CurrentY() > U(2300))
                    ImprimeCabecalho(Modulo::ObtemTexto(23), QStringLiteral("<mInf>"), -1);
                titulos();
            }
            Desce(20);
            QString anexos;
            QElapsedTimer relogio;
            relogio.start();
            const QString nota = Modulo::ObtemObservacoes(QStringLiteral("COM"), codigo, sCodigoPeca, item, false,
                                                          QStringLiteral(" / "), QString(), anexos);
            m_tempos.consultas += relogio.nsecsElapsed() / 1e9;
            const QStringList linhas = LinhasTexto(nota);
            ImprimeLinha({{0, item}, {320, numero}, {720, linhas[0], Celula::Texto}}, continua);
            for (int k = 1; k < linhas.size(); ++k) {
                continua();
                ImprimeLinha({{720, linhas[k], Celula::Texto}}, continua);
            }
        }
    } catch (const platform::Error& e) {
        d.SetFontBold(false);
        d.SetFontItalic(false);
        FalhaPagina(e);
    }
}

}  // namespace saida
