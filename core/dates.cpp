#include "core/dates.h"

#include "core/texts.h"

namespace Modulo {
namespace {

// Trims spaces only, as the run time's Trim does (tabs and line ends stay).
QString aparaEspacos(const QString& t)
{
    qsizetype ini = 0;
    qsizetype fim = t.size();
    while (ini < fim && t[ini] == QLatin1Char(' '))
        ++ini;
    while (fim > ini && t[fim - 1] == QLatin1Char(' '))
        --fim;
    return t.mid(ini, fim - ini);
}

}  // namespace

int IndiceTextoMes(int Mes)
{
    if (Mes < 1 || Mes > 12)
        return 0;
    // Entry 88 is not a month: from May on the entries are one further.
    return Mes <= 4 ? 83 + Mes : 84 + Mes;
}

QString FormataData(const QDate& Data, const QString& Idioma)
{
    return Data.toString(QStringLiteral("dd")) + QLatin1Char('-') + ObtemTexto(IndiceTextoMes(Data.month()), Idioma) +
           QLatin1Char('-') + QString::number(Data.year()).rightJustified(4, QLatin1Char('0'));
}

QString FormataData(const QDateTime& Data, const QString& Idioma) { return FormataData(Data.date(), Idioma); }

QString FormataDataHora(const QDateTime& Data, const QString& Idioma)
{
    return FormataData(Data.date(), Idioma) + QLatin1Char(' ') + Data.time().toString(QStringLiteral("HH:mm:ss"));
}

QString FormataCampoFixo(const QVariant& Valor, int Tamanho, const QString& Alinhamento)
{
    if (Tamanho < 1)
        return {};
    const QString texto = Valor.isValid() && !Valor.isNull() ? aparaEspacos(Valor.toString()) : QString();
    const bool esquerda = Alinhamento.trimmed().toUpper() == QLatin1String("D");
    if (texto.size() < Tamanho)
        return esquerda ? texto.leftJustified(Tamanho, QLatin1Char(' ')) : texto.rightJustified(Tamanho, QLatin1Char(' '));
    return esquerda ? texto.left(Tamanho) : texto.right(Tamanho);
}

}  // namespace Modulo
