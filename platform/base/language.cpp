#include "platform/base/language.h"

namespace platform {
namespace {

LanguageSource g_source = nullptr;

}  // namespace

void setTextLanguageSource(LanguageSource source) { g_source = source; }

QString textLanguage() { return g_source ? g_source() : QString(); }

QString textForLanguage(const QString& language, const char* portuguese, const char* spanish, const char* english)
{
    if (language == QLatin1String("P"))
        return QString::fromUtf8(portuguese);
    if (language == QLatin1String("E"))
        return QString::fromUtf8(spanish);
    return QString::fromUtf8(english);
}

QString textInLanguage(const char* portuguese, const char* spanish, const char* english)
{
    return textForLanguage(textLanguage(), portuguese, spanish, english);
}

QString runTimeErrorText(long number)
{
    struct Texto {
        long number;
        const char* portuguese;
        const char* spanish;
        const char* english;
    };
    static const Texto textos[] = {
        {5, "Chamada de procedimento ou argumento inválido", "Llamada a procedimiento o argumento no válido",
         "Invalid procedure call or argument"},
        {6, "Estouro", "Desbordamiento", "Overflow"},
        {7, "Memória insuficiente", "Memoria insuficiente", "Out of memory"},
        {9, "Subscrito fora do intervalo", "Subíndice fuera del intervalo", "Subscript out of range"},
        {13, "Tipos incompatíveis", "No coinciden los tipos", "Type mismatch"},
        {52, "Nome ou número de arquivo incorreto", "Nombre o número de archivo incorrecto", "Bad file name or number"},
        {53, "Arquivo não encontrado", "No se encontró el archivo", "File not found"},
        {57, "Erro de E/S no dispositivo", "Error de E/S en el dispositivo", "Device I/O error"},
        {58, "O arquivo já existe", "El archivo ya existe", "File already exists"},
        {61, "Disco cheio", "Disco lleno", "Disk full"},
        {70, "Permissão negada", "Permiso denegado", "Permission denied"},
        {75, "Erro de acesso ao caminho/arquivo", "Error de acceso a la ruta o el archivo", "Path/File access error"},
        {76, "Caminho não encontrado", "No se encontró la ruta de acceso", "Path not found"},
        {91, "Variável de objeto não definida", "Variable de objeto no establecida", "Object variable not set"},
        {94, "Uso inválido de Null", "Uso no válido de Null", "Invalid use of Null"},
        {481, "Imagem inválida", "Imagen no válida", "Invalid picture"},
    };
    for (const Texto& t : textos)
        if (t.number == number)
            return textInLanguage(t.portuguese, t.spanish, t.english);
    return {};
}

QString runTimeErrorText(long number, const QString& detail)
{
    return runTimeErrorText(number) + QStringLiteral(": ") + detail;
}

}  // namespace platform
