#include "platform/dao/daoerrors.h"

#include "platform/base/language.h"
#include "platform/dao/dao.h"

#include <QRegularExpression>

#include <sqlite3.h>

namespace platform::dao::detail {
namespace {

const QString kSource = QStringLiteral("DAO");

QString quotedTail(const QString& msg, const QString& prefix)
{
    return msg.mid(prefix.size()).trimmed();
}

}  // namespace

QString say(const char* portuguese, const char* spanish, const char* english)
{
    return platform::textInLanguage(portuguese, spanish, english);
}

platform::Error ReadOnlyError()
{
    return {JetError::ReadOnly,
            say("Não é possível atualizar. O banco de dados ou o objeto é somente leitura.",
                "No se puede actualizar. La base de datos o el objeto es de solo lectura.",
                "Cannot update. Database or object is read-only."),
            kSource};
}

platform::Error NotAllowedHereError(const QString& detail)
{
    QString text = say("Instrução não permitida aqui.", "Instrucción no permitida aquí.", "Statement not allowed here.");
    if (!detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(detail);
    return {JetError::NotAllowedHere, text, kSource};
}

platform::Error ItemNotFoundError(const QString& name)
{
    QString text = say("Item não encontrado nesta coleção.", "Elemento no encontrado en esta colección.",
                       "Item not found in this collection.");
    if (!name.isEmpty())
        text += QStringLiteral(" (%1)").arg(name);
    return {JetError::ItemNotFound, text, kSource};
}

QString FileNotFoundText()
{
    return say("Não foi possível encontrar o arquivo '%1'.", "No se encuentra el archivo '%1'.",
               "Could not find file '%1'.");
}

platform::Error MakeError(int rc, const QString& msg, Context ctx, const QString& path)
{
    const int primary = rc & 0xff;
    switch (primary) {
    case SQLITE_CONSTRAINT: {
        if (rc == SQLITE_CONSTRAINT_PRIMARYKEY || rc == SQLITE_CONSTRAINT_UNIQUE)
            return {JetError::DuplicateKey,
                    say("As alterações pedidas na tabela não foram feitas porque criariam valores repetidos no "
                        "índice, na chave primária ou no relacionamento. (%1)",
                        "Los cambios solicitados en la tabla no se realizaron porque crearían valores duplicados en "
                        "el índice, la clave principal o la relación. (%1)",
                        "The changes you requested to the table were not successful because they "
                        "would create duplicate values in the index, primary key, or relationship. (%1)")
                        .arg(msg),
                    kSource};
        if (rc == SQLITE_CONSTRAINT_NOTNULL)
            return {JetError::RequiredNull,
                    say("O campo '%1' não pode conter um valor Null porque é um campo obrigatório.",
                        "El campo '%1' no puede contener un valor Null porque es un campo obligatorio.",
                        "The field '%1' cannot contain a Null value because the Required property "
                        "for this field is set to True.")
                        .arg(quotedTail(msg, QStringLiteral("NOT NULL constraint failed:"))),
                    kSource};
        // Raised by the zero-length triggers: "JET3315:Table.Field".
        static const QRegularExpression zls(QStringLiteral("^JET3315:(.*)$"));
        if (const auto m = zls.match(msg); m.hasMatch())
            return {JetError::ZeroLength,
                    say("O campo '%1' não pode ser um texto vazio.", "El campo '%1' no puede ser una cadena vacía.",
                        "Field '%1' cannot be a zero-length string.")
                        .arg(m.captured(1)),
                    kSource};
        return {3317,
                say("Um ou mais valores não são permitidos pela regra de validação. (%1)",
                    "Uno o más valores no están permitidos por la regla de validación. (%1)",
                    "One or more values are prohibited by the validation rule. (%1)")
                    .arg(msg),
                kSource};
    }
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {JetError::Locked,
                say("Não foi possível atualizar; o banco de dados está bloqueado por outra sessão.",
                    "No se pudo actualizar; la base de datos está bloqueada por otra sesión.",
                    "Could not update; currently locked by another session of the database."),
                kSource};
    case SQLITE_READONLY:
        return ReadOnlyError();
    case SQLITE_NOTADB:
        return {JetError::NotADatabase,
                say("Formato de banco de dados não reconhecido '%1'.", "Formato de base de datos no reconocido '%1'.",
                    "Unrecognized database format '%1'.")
                    .arg(path),
                kSource};
    case SQLITE_CORRUPT:
        return DamagedDatabaseError(path);
    case SQLITE_CANTOPEN:
        return {JetError::CannotOpen,
                say("O mecanismo de banco de dados não pode abrir o arquivo '%1'. Ele está em uso ou você precisa "
                    "de permissão para ver os seus dados.",
                    "El motor de base de datos no puede abrir el archivo '%1'. Está en uso o necesita permiso para "
                    "ver sus datos.",
                    "The database engine cannot open the file '%1'. It is in use or you need "
                    "permission to view its data.")
                    .arg(path),
                kSource};
    case SQLITE_FULL:
    case SQLITE_NOMEM:
    case SQLITE_IOERR:
        return {JetError::DiskFull,
                say("Recursos do sistema esgotados. (%1)", "Recursos del sistema agotados. (%1)",
                    "System resource exceeded. (%1)")
                    .arg(msg),
                kSource};
    case SQLITE_AUTH:
        return NotAllowedHereError(msg);
    case SQLITE_MISMATCH:
        return {JetError::TypeMismatch,
                say("Tipos de dados incompatíveis na expressão de critério.",
                    "No coinciden los tipos de datos en la expresión de criterios.",
                    "Data type mismatch in criteria expression."),
                kSource};
    case SQLITE_INTERRUPT:
        return {JetError::Interrupted,
                say("Operação cancelada pelo usuário.", "Operación cancelada por el usuario.",
                    "Operation canceled by user."),
                kSource};
    default:
        break;
    }

    // SQLITE_ERROR: tell the cases apart by the message.
    static const QRegularExpression noTable(QStringLiteral("^no such table: (?:main\\.)?(.+)$"));
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.+)$"));
    static const QRegularExpression exists(QStringLiteral("^table (.+) already exists$"));
    static const QRegularExpression indexExists(QStringLiteral("^index (.+) already exists$"));
    static const QRegularExpression noIndex(QStringLiteral("^no such index: (.+)$"));
    static const QRegularExpression jetRaised(QStringLiteral("^JET(\\d+):(.*)$"));
    if (const auto m = jetRaised.match(msg); m.hasMatch())
        return {m.captured(1).toLong(), m.captured(2), kSource};
    if (const auto m = noTable.match(msg); m.hasMatch()) {
        if (ctx == Context::Drop)
            return {JetError::TableNotFound,
                    say("A tabela '%1' não existe.", "La tabla '%1' no existe.", "Table '%1' does not exist.")
                        .arg(m.captured(1)),
                    kSource};
        return {JetError::NoSuchTable,
                say("O mecanismo de banco de dados não encontra a tabela ou consulta de entrada '%1'. Verifique se "
                    "ela existe e se o nome está escrito corretamente.",
                    "El motor de base de datos no encuentra la tabla o consulta de entrada '%1'. Compruebe que "
                    "existe y que el nombre está escrito correctamente.",
                    "The database engine cannot find the input table or query '%1'. Make sure it "
                    "exists and that its name is spelled correctly.")
                    .arg(m.captured(1)),
                kSource};
    }
    if (const auto m = noColumn.match(msg); m.hasMatch())
        return {JetError::TooFewParameters,
                say("Poucos parâmetros. Era esperado 1. (Nome desconhecido '%1'.)",
                    "Pocos parámetros. Se esperaba 1. (Nombre desconocido '%1'.)",
                    "Too few parameters. Expected 1. (Unknown name '%1'.)")
                    .arg(m.captured(1)),
                kSource};
    if (const auto m = exists.match(msg); m.hasMatch())
        return {JetError::TableExists,
                say("A tabela '%1' já existe.", "La tabla '%1' ya existe.", "Table '%1' already exists.")
                    .arg(m.captured(1)),
                kSource};
    if (const auto m = indexExists.match(msg); m.hasMatch())
        return {3375,
                say("A tabela já tem um índice chamado '%1'.", "La tabla ya tiene un índice llamado '%1'.",
                    "Table already has an index named '%1'.")
                    .arg(m.captured(1)),
                kSource};
    if (const auto m = noIndex.match(msg); m.hasMatch())
        return {3371,
                say("Não foi possível encontrar a tabela ou restrição '%1'.",
                    "No se encuentra la tabla o restricción '%1'.", "Cannot find table or constraint '%1'.")
                    .arg(m.captured(1)),
                kSource};
    if (msg.startsWith(QLatin1String("Expression tree is too large")) || msg == QLatin1String("parser stack overflow"))
        return {3360, say("A consulta é complexa demais.", "La consulta es demasiado compleja.", "Query is too complex."),
                kSource};
    if (msg.contains(QLatin1String("syntax error")) || msg.contains(QLatin1String("incomplete input")))
        return {JetError::SyntaxError,
                say("Erro de sintaxe na expressão de consulta. (%1)", "Error de sintaxis en la expresión de consulta. (%1)",
                    "Syntax error in query expression. (%1)")
                    .arg(msg),
                kSource};
    if (msg.startsWith(QLatin1String("not authorized")))
        return NotAllowedHereError({});
    return {3000, say("Erro reservado: %1", "Error reservado: %1", "Reserved error: %1").arg(msg), kSource};
}

void Exec(sqlite3* db, const char* sql, Context ctx)
{
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const QString msg = err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(err);
        throw MakeError(sqlite3_extended_errcode(db), msg, ctx);
    }
}

void ThrowLast(sqlite3* db, int rc, Context ctx)
{
    const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    const int ext = db ? sqlite3_extended_errcode(db) : rc;
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    throw MakeError(ext ? ext : rc, msg, ctx, file ? QString::fromUtf8(file) : QString());
}

void Throw(long number, const QString& description)
{
    throw platform::Error(number, description, kSource);
}

}  // namespace platform::dao::detail

namespace platform::dao {

platform::Error DamagedDatabaseError(const QString& path)
{
    return {JetError::Corrupt,
            detail::say("Não foi possível abrir o banco de dados '%1'. O arquivo pode estar danificado ou não ser um "
                        "banco de dados do catálogo.",
                        "No se puede abrir la base de datos '%1'. El archivo puede estar dañado o no ser una base de "
                        "datos del catálogo.",
                        "Cannot open database '%1'. The file may be damaged or not a catalogue database.")
                .arg(path),
            detail::kSource};
}

QString ObjectClosedText()
{
    return detail::say("Objeto inválido ou não mais definido.", "Objeto no válido o ya no definido.",
                       "Object invalid or no longer set.");
}

}  // namespace platform::dao
