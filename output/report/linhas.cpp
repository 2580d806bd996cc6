// The rows of the report pages: each value at its column, on one line when
// the row ends inside the drawable area, otherwise continued on further
// lines (see ImprimeLinha in saida.h).
#include "output/report/saida.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace saida {

namespace {

// A value in the pieces a line may end after, each with the blanks that
// follow it: a list of numbers after each " / " or ", ", a text after each
// run of blanks (blanks that open the text stay with its first piece).
QStringList Pecas(const QString& texto, bool numeros)
{
    static const QRegularExpression separador(QStringLiteral(", | / "));
    static const QRegularExpression brancos(QStringLiteral("(?<=\\S)\\s+"));
    QStringList pecas;
    qsizetype inicio = 0;
    auto it = (numeros ? separador : brancos).globalMatch(texto);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        pecas << texto.mid(inicio, m.capturedEnd() - inicio);
        inicio = m.capturedEnd();
    }
    if (inicio < texto.size())
        pecas << texto.mid(inicio);
    return pecas;
}

QString SemBrancosNoFim(QString texto)
{
    while (!texto.isEmpty() && texto.back().isSpace())
        texto.chop(1);
    return texto;
}

// The first grapheme of a text (a piece is never broken inside one).
qsizetype PrimeiroGrafema(const QString& texto)
{
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texto);
    const qsizetype p = limites.toNextBoundary();
    return p > 0 ? p : texto.size();
}

// The width of the widest grapheme of a text.
double MaiorGrafema(const QString& texto, const QFontMetricsF& metricas)
{
    double maior = 0;
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texto);
    qsizetype antes = 0;
    for (qsizetype p = limites.toNextBoundary(); p > 0; p = limites.toNextBoundary()) {
        maior = std::max(maior, metricas.horizontalAdvance(texto.mid(antes, p - antes)));
        antes = p;
    }
    return maior;
}

}  // namespace

std::vector<Saida::LinhaDisposta> Saida::DispoeLinha(const std::vector<Celula>& celulas)
{
    static const QString marca = QStringLiteral("…");
    Superficie& d = *mDispositivoSaida;
    const QFontMetricsF& metricas = d.Metrics();
    const double branco = metricas.horizontalAdvance(QLatin1Char(' '));
    const auto largura = [&](const QString& t) { return metricas.horizontalAdvance(t); };
    const auto proxima = [&](std::size_t i) {  // the next non-empty value after i, or celulas.size()
        std::size_t j = i + 1;
        while (j < celulas.size() && celulas[j].texto.isEmpty())
            ++j;
        return j;
    };
    // A text cut to end a blank before the next value's column, with the mark.
    const auto corta = [&](const QString& texto, double x, std::size_t seguinte) {
        const double espaco = U(mMargemEsquerda + celulas[seguinte].x) - branco - x;
        if (largura(texto) <= espaco)
            return texto;
        // Trailing blanks of the part kept would only push the mark away
        // from the text.
        return SemBrancosNoFim(d.FitText(texto, espaco - largura(marca))) + marca;
    };

    // The row on one line, every value on it (the last one ends the line).
    LinhaDisposta uma;
    double livre = 0;  // where the next value may start: a blank after the last one drawn
    double fim = 0;
    for (std::size_t i = 0; i < celulas.size(); ++i) {
        const Celula& c = celulas[i];
        const double x = std::max(U(mMargemEsquerda + c.x), livre);
        QString texto = c.texto;
        const std::size_t j = proxima(i);
        if (c.tipo == Celula::Texto && !texto.isEmpty() && j < celulas.size())
            texto = corta(texto, x, j);
        uma.textos.emplace_back(x, texto);
        if (!texto.isEmpty()) {
            livre = x + largura(texto) + branco;
            fim = std::max(fim, x + largura(texto));
        }
    }
    if (fim <= m_larguraArea)
        return {uma};

    // Continued: values that do not fit their room go on further lines.
    const double limite = m_larguraArea - U(mMargemEsquerda);
    std::vector<LinhaDisposta> linhas(1);
    const auto poe = [&](std::size_t k, double x, const QString& texto) {
        if (linhas.size() <= k)
            linhas.resize(k + 1);
        linhas[k].textos.emplace_back(x, texto);
    };
    std::size_t primeira = 0;  // the line the values start on
    livre = 0;
    for (std::size_t i = 0; i < celulas.size(); ++i) {
        const Celula& c = celulas[i];
        if (c.texto.isEmpty())
            continue;
        const double coluna = U(mMargemEsquerda + c.x);
        double x = std::max(coluna, livre);
        const std::size_t j = proxima(i);
        if (c.tipo == Celula::Texto && j < celulas.size()) {
            const QString texto = corta(c.texto, x, j);
            poe(primeira, x, texto);
            livre = x + largura(texto) + branco;
            continue;
        }
        const QStringList pecas = Pecas(c.texto, c.tipo == Celula::Numero);
        double maior = 0;
        for (const QString& p : pecas)
            maior = std::max(maior, largura(SemBrancosNoFim(p)));
        // A value that a wide one pushed past the page starts below the rest.
        if (x > coluna && limite - x < maior) {
            primeira = linhas.size();
            x = coluna;
            livre = 0;
        }
        // Its room: up to a blank before the next value, or to the margin.
        double direita = j < celulas.size() ? U(mMargemEsquerda + celulas[j].x) - branco : limite;
        if (direita - x < maior)
            direita = limite;
        // A column with less room than one character (on a sheet narrower
        // than the layout): the value starts below the rest at the margin.
        if (direita - x < maior && x > U(mMargemEsquerda) && direita - x < MaiorGrafema(c.texto, metricas)) {
            primeira = linhas.size();
            x = U(mMargemEsquerda);
            livre = 0;
            direita = limite;
        }
        const double espaco = std::max(direita - x, 0.0);

        std::size_t k = primeira;
        double maisLarga = 0;
        QString atual;
        const auto fecha = [&] {
            const QString t = SemBrancosNoFim(atual);
            if (!t.isEmpty()) {
                poe(k++, x, t);
                maisLarga = std::max(maisLarga, largura(t));
            }
            atual.clear();
        };
        for (const QString& p : pecas) {
            if (largura(SemBrancosNoFim(atual + p)) <= espaco) {
                atual += p;
                continue;
            }
            fecha();
            QString resto = SemBrancosNoFim(p);
            const QString brancos = p.mid(resto.size());
            // Wider than all the room there is: broken between characters.
            while (largura(resto) > espaco) {
                QString parte = d.FitText(resto, espaco);
                if (parte.isEmpty())
                    parte = resto.left(PrimeiroGrafema(resto));
                atual = parte;
                fecha();
                resto = resto.mid(parte.size());
            }
            atual = resto + brancos;
        }
        fecha();
        livre = std::max(livre, x + maisLarga + branco);
    }
    for (LinhaDisposta& l : linhas)
        std::stable_sort(l.textos.begin(), l.textos.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return linhas;
}

void Saida::ImprimeDisposta(const std::vector<LinhaDisposta>& linhas, const std::function<void()>& antesDaContinuacao)
{
    Superficie& d = *mDispositivoSaida;
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        if (k > 0 && antesDaContinuacao)
            antesDaContinuacao();
        const auto& textos = linhas[k].textos;
        for (std::size_t i = 0; i < textos.size(); ++i) {
            d.SetCurrentX(textos[i].first);
            d.Print(textos[i].second, i + 1 == textos.size());
        }
    }
}

bool Saida::CabeAte(double limiar, std::size_t linhas, double desce)
{
    if (linhas <= 1)
        return true;
    Superficie& d = *mDispositivoSaida;
    return d.CurrentY() + U(desce) + double(linhas - 1) * d.Metrics().lineSpacing() <= U(limiar);
}

void Saida::ImprimeTitulos(const std::vector<Celula>& titulos)
{
    Superficie& d = *mDispositivoSaida;
    d.SetFontSize(10);
    Desce(100);
    d.SetFontBold(true);
    d.SetFontItalic(true);
    ImprimeLinha(titulos);
    d.SetFontBold(false);
    d.SetFontItalic(false);
}

void Saida::ImprimeLinhaPaginada(const std::vector<Celula>& celulas, bool& primeira, double limiar,
                                 const std::function<void()>& cabecalho)
{
    Superficie& d = *mDispositivoSaida;
    std::vector<LinhaDisposta> disposta;
    if (!primeira)
        disposta = DispoeLinha(celulas);
    if (primeira || d.CurrentY() > U(limiar) || !CabeAte(limiar, disposta.size(), 20)) {
        primeira = false;
        cabecalho();
        disposta = DispoeLinha(celulas);
    }
    Desce(20);
    ImprimeDisposta(disposta, QuebraContinuacao(limiar, cabecalho));
}

std::function<void()> Saida::QuebraContinuacao(double limiar, std::function<void()> cabecalho)
{
    return [this, limiar, cabecalho = std::move(cabecalho)] {
        if (mDispositivoSaida->CurrentY() > U(limiar)) {
            cabecalho();
            Desce(20);
        }
    };
}

void Saida::Desce(double unidades) { mDispositivoSaida->SetCurrentY(mDispositivoSaida->CurrentY() + U(unidades)); }

}  // namespace saida
