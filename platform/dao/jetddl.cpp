// DDL: CREATE TABLE, CREATE INDEX, DROP, ALTER TABLE and the type map
// between Jet's types and the declared types the layer reads back.

#include "platform/dao/jettranslator.h"

#include "platform/dao/dao.h"

namespace platform::dao::jet::detail {

bool mapType(const QString& upperType, int sizeArg, TypeMap* out)
{
    struct Entry {
        const char* names[8];
        TypeMap map;
    };
    static const Entry table[] = {
        {{"TEXT", "CHAR", "VARCHAR", "STRING", "ALPHANUMERIC", "CHARACTER", "NCHAR", "NVARCHAR"},
         {"TEXT", dbText, 255, true, false}},
        {{"MEMO", "LONGTEXT", "LONGCHAR", "NOTE", "NTEXT", nullptr}, {"LONGTEXT", dbMemo, 0, true, false}},
        {{"LONG", "INTEGER", "INT", "INTEGER4", nullptr}, {"INTEGER", dbLong, 4, false, false}},
        {{"SHORT", "SMALLINT", "INTEGER2", nullptr}, {"SMALLINT", dbInteger, 2, false, false}},
        {{"BYTE", "TINYINT", "INTEGER1", nullptr}, {"TINYINT", dbByte, 1, false, false}},
        {{"BIT", "YESNO", "LOGICAL", "LOGICAL1", "BOOLEAN", nullptr}, {"BOOLEAN", dbBoolean, 1, false, false}},
        {{"SINGLE", "REAL", "FLOAT4", "IEEESINGLE", nullptr}, {"REAL", dbSingle, 4, false, false}},
        {{"DOUBLE", "FLOAT", "NUMBER", "FLOAT8", "IEEEDOUBLE", "NUMERIC", "DECIMAL", nullptr},
         {"DOUBLE", dbDouble, 8, false, false}},
        {{"CURRENCY", "MONEY", nullptr}, {"CURRENCY", dbCurrency, 8, false, false}},
        {{"DATETIME", "DATE", "TIME", "TIMESTAMP", nullptr}, {"DATETIME", dbDate, 8, false, false}},
        {{"COUNTER", "AUTOINCREMENT", "IDENTITY", nullptr}, {"INTEGER", dbLong, 4, false, true}},
        {{"BINARY", "VARBINARY", "LONGBINARY", "OLEOBJECT", "GENERAL", "IMAGE", nullptr},
         {"BLOB", dbLongBinary, 0, false, false}},
        {{"GUID", "UNIQUEIDENTIFIER", nullptr}, {"TEXT", dbText, 38, true, false}},
    };
    for (const Entry& e : table)
        for (const char* n : e.names) {
            if (!n)
                break;
            if (upperType == QLatin1String(n)) {
                *out = e.map;
                if (out->jetType == dbText && sizeArg > 0)
                    out->size = sizeArg;
                return true;
            }
        }
    return false;
}

QString Translator::nameList(QStringList* names)
{
    expectSymbol("(");
    QStringList cols;
    do {
        const QString n = name();
        if (names)
            *names << n;
        QString col = quoteName(n);
        if (acceptWord("DESC"))
            col += QStringLiteral(" DESC");
        else
            acceptWord("ASC");
        cols << col;
    } while (acceptSymbol(","));
    expectSymbol(")");
    return QLatin1Char('(') + cols.join(QStringLiteral(", ")) + QLatin1Char(')');
}

Translator::ColumnDef Translator::columnDefinition()
{
    ColumnDef c;
    c.name = name();
    if (peek().kind != TokenKind::Word)
        syntaxError();
    const QString type = next().text.toUpper();
    if (acceptSymbol("(")) {
        if (peek().kind != TokenKind::Number)
            syntaxError();
        c.sizeArg = next().text.toInt();
        while (acceptSymbol(",")) { // precision and scale, counter seed and step
            if (peek().kind != TokenKind::Number)
                syntaxError();
            next();
        }
        expectSymbol(")");
    }
    if (!mapType(type, c.sizeArg, &c.type))
        fail(3290, QStringLiteral("Syntax error in CREATE TABLE statement. (unknown type '%1')").arg(type));
    while (true) {
        QString constraintName;
        if (acceptWord("CONSTRAINT"))
            constraintName = name();
        if (peek().isWord("NOT") && peek(1).isWord("NULL")) {
            next();
            next();
            c.notNull = true;
        } else if (acceptWord("NULL")) {
        } else if (peek().isWord("PRIMARY")) {
            next();
            expectWord("KEY");
            c.primaryKey = true;
            c.pkConstraint = constraintName;
        } else if (acceptWord("UNIQUE")) {
            c.otherConstraints << (constraintName.isEmpty() ? QString()
                                                            : QStringLiteral("CONSTRAINT ") + quoteName(constraintName) +
                                                                  QLatin1Char(' ')) +
                                      QStringLiteral("UNIQUE");
        } else if (acceptWord("REFERENCES")) {
            QString ref = QStringLiteral("REFERENCES ") + quoteName(name());
            if (peek().isSymbol("("))
                ref += QLatin1Char(' ') + nameList();
            c.otherConstraints << (constraintName.isEmpty() ? QString()
                                                            : QStringLiteral("CONSTRAINT ") + quoteName(constraintName) +
                                                                  QLatin1Char(' ')) +
                                      ref;
        } else if (acceptWord("DEFAULT")) {
            const Expr e = primary();
            c.otherConstraints << QStringLiteral("DEFAULT (") + e.sql + QLatin1Char(')');
        } else if (peek().isWord("WITH") && (peek(1).isWord("COMPRESSION") || peek(1).isWord("COMP"))) {
            next();
            next();
        } else {
            if (!constraintName.isEmpty())
                syntaxError();
            break;
        }
    }
    return c;
}

QString Translator::columnSql(const ColumnDef& c, bool counterIsKey, bool forcedNotNull) const
{
    QString s = quoteName(c.name) + QLatin1Char(' ');
    if (c.type.counter && counterIsKey) {
        s += QStringLiteral("INTEGER");
        if (!c.pkConstraint.isEmpty())
            s += QStringLiteral(" CONSTRAINT ") + quoteName(c.pkConstraint);
        s += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
    } else {
        if (c.type.jetType == dbText)
            s += QStringLiteral("TEXT(%1)").arg(c.type.size);
        else
            s += QLatin1String(c.type.decl);
        if (c.type.text)
            s += QStringLiteral(" COLLATE ") + QLatin1String(kCollation);
        // Jet refuses Null in a key; SQLite would let it into a composite one.
        if (c.notNull || c.primaryKey || forcedNotNull)
            s += QStringLiteral(" NOT NULL");
        if (c.primaryKey) {
            if (!c.pkConstraint.isEmpty())
                s += QStringLiteral(" CONSTRAINT ") + quoteName(c.pkConstraint);
            s += QStringLiteral(" PRIMARY KEY");
        }
    }
    for (const QString& o : c.otherConstraints)
        s += QLatin1Char(' ') + o;
    return s;
}

Translation::Column Translator::columnInfo(const ColumnDef& c) const
{
    return Translation::Column{c.name, c.type.jetType, c.type.size, c.notNull};
}

Translation Translator::create()
{
    next();
    Translation t;
    if (peek().isWord("TABLE") || (peek().isWord("TEMPORARY") && peek(1).isWord("TABLE"))) {
        m_statementError = 3290;
        m_statementMessage = QStringLiteral("Syntax error in CREATE TABLE statement.");
        const bool temporary = acceptWord("TEMPORARY");
        next();
        t.kind = StatementKind::CreateTable;
        t.table = name();
        expectSymbol("(");
        std::vector<ColumnDef> columns;
        QStringList tableConstraints;
        QStringList keyColumns;
        QString keyConstraint;
        bool tableKey = false;
        do {
            QString constraintName;
            if (acceptWord("CONSTRAINT")) {
                m_statementError = 3289;
                m_statementMessage = QStringLiteral("Syntax error in CONSTRAINT clause.");
                constraintName = name();
            }
            const QString prefix = constraintName.isEmpty()
                                       ? QString()
                                       : QStringLiteral("CONSTRAINT ") + quoteName(constraintName) + QLatin1Char(' ');
            if (peek().isWord("PRIMARY") && peek(1).isWord("KEY")) {
                next();
                next();
                if (tableKey)
                    syntaxError();
                tableKey = true;
                keyConstraint = constraintName;
                nameList(&keyColumns);
            } else if (acceptWord("UNIQUE")) {
                tableConstraints << prefix + QStringLiteral("UNIQUE ") + nameList();
            } else if (peek().isWord("FOREIGN") && peek(1).isWord("KEY")) {
                next();
                next();
                QString fk = prefix + QStringLiteral("FOREIGN KEY ") + nameList();
                expectWord("REFERENCES");
                fk += QStringLiteral(" REFERENCES ") + quoteName(name());
                if (peek().isSymbol("("))
                    fk += QLatin1Char(' ') + nameList();
                tableConstraints << fk;
            } else if (!constraintName.isEmpty()) {
                syntaxError();
            } else {
                columns.push_back(columnDefinition());
            }
            m_statementError = 3290;
            m_statementMessage = QStringLiteral("Syntax error in CREATE TABLE statement.");
        } while (acceptSymbol(","));
        expectSymbol(")");
        if (columns.empty())
            syntaxError();

        // A counter is the table's own key unless another key is declared.
        int columnKeys = 0;
        for (const ColumnDef& c : columns)
            columnKeys += c.primaryKey ? 1 : 0;
        if (columnKeys + (tableKey ? 1 : 0) > 1)
            syntaxError();
        std::vector<QString> sqlColumns;
        for (ColumnDef& c : columns) {
            bool counterIsKey = false;
            if (c.type.counter) {
                if (c.primaryKey)
                    counterIsKey = true;
                else if (!tableKey && columnKeys == 0)
                    counterIsKey = true;
                else if (tableKey && keyColumns.size() == 1 &&
                         keyColumns[0].compare(c.name, Qt::CaseInsensitive) == 0) {
                    counterIsKey = true;
                    c.pkConstraint = keyConstraint;
                    tableKey = false; // the column carries the key itself
                }
            }
            bool inKey = false;
            for (const QString& k : keyColumns)
                inKey = inKey || k.compare(c.name, Qt::CaseInsensitive) == 0;
            sqlColumns.push_back(columnSql(c, counterIsKey, tableKey && inKey));
            t.columns.push_back(columnInfo(c));
        }
        QStringList parts(sqlColumns.begin(), sqlColumns.end());
        if (tableKey) {
            QStringList quoted;
            for (const QString& k : keyColumns)
                quoted << quoteName(k);
            parts << (keyConstraint.isEmpty() ? QString()
                                              : QStringLiteral("CONSTRAINT ") + quoteName(keyConstraint) + QLatin1Char(' ')) +
                         QStringLiteral("PRIMARY KEY (") + quoted.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        parts << tableConstraints;
        t.sql = (QStringLiteral("CREATE ") + (temporary ? QStringLiteral("TEMPORARY ") : QString()) +
                 QStringLiteral("TABLE ") + quoteName(t.table) + QStringLiteral(" (") +
                 parts.join(QStringLiteral(", ")) + QLatin1Char(')'))
                    .toUtf8();
        return t;
    }
    if (peek().isWord("INDEX") || (peek().isWord("UNIQUE") && peek(1).isWord("INDEX"))) {
        m_statementError = 3291;
        m_statementMessage = QStringLiteral("Syntax error in CREATE INDEX statement.");
        bool unique = acceptWord("UNIQUE");
        next();
        const QString index = name();
        expectWord("ON");
        t.kind = StatementKind::CreateIndex;
        t.table = name();
        const QString cols = nameList();
        if (acceptWord("WITH")) {
            do {
                if (acceptWord("PRIMARY"))
                    unique = true;
                else if ((peek().isWord("DISALLOW") || peek().isWord("IGNORE")) && peek(1).isWord("NULL")) {
                    next();
                    next();
                } else {
                    syntaxError();
                }
            } while (!peek().isSymbol(";") && peek().kind != TokenKind::End);
        }
        // Index names belong to their table in Jet and to the database in
        // SQLite: the SQLite name carries the table's.
        t.sql = (QStringLiteral("CREATE ") + (unique ? QStringLiteral("UNIQUE ") : QString()) +
                 QStringLiteral("INDEX ") + quoteName(t.table + QLatin1Char('_') + index) + QStringLiteral(" ON ") +
                 quoteName(t.table) + QLatin1Char(' ') + cols)
                    .toUtf8();
        return t;
    }
    fail(3129, QStringLiteral("Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
                              "'UPDATE'."));
}

Translation Translator::drop()
{
    m_statementError = 3295;
    m_statementMessage = QStringLiteral("Syntax error in DROP TABLE or DROP INDEX.");
    next();
    Translation t;
    if (acceptWord("TABLE")) {
        t.kind = StatementKind::DropTable;
        t.table = name();
        t.sql = (QStringLiteral("DROP TABLE ") + quoteName(t.table)).toUtf8();
        return t;
    }
    if (acceptWord("INDEX")) {
        const QString index = name();
        expectWord("ON");
        t.kind = StatementKind::DropIndex;
        t.table = name();
        t.sql = (QStringLiteral("DROP INDEX ") + quoteName(t.table + QLatin1Char('_') + index)).toUtf8();
        return t;
    }
    syntaxError();
}

Translation Translator::alter()
{
    m_statementError = 3293;
    m_statementMessage = QStringLiteral("Syntax error in ALTER TABLE statement.");
    next();
    expectWord("TABLE");
    Translation t;
    t.kind = StatementKind::AlterTable;
    t.table = name();
    const QString table = quoteName(t.table);
    if (acceptWord("ADD")) {
        if (acceptWord("CONSTRAINT")) {
            const QString constraint = name();
            bool unique = false;
            if (peek().isWord("PRIMARY") && peek(1).isWord("KEY")) {
                next();
                next();
                unique = true;
            } else if (acceptWord("UNIQUE")) {
                unique = true;
            }
            if (!unique)
                fail(3251, QStringLiteral("Operation is not supported for this type of object. (ADD CONSTRAINT)"));
            const QString cols = nameList();
            t.kind = StatementKind::CreateIndex;
            t.sql = (QStringLiteral("CREATE UNIQUE INDEX ") + quoteName(t.table + QLatin1Char('_') + constraint) +
                     QStringLiteral(" ON ") + table + QLatin1Char(' ') + cols)
                        .toUtf8();
            return t;
        }
        acceptWord("COLUMN");
        ColumnDef c = columnDefinition();
        if (c.primaryKey)
            fail(3251, QStringLiteral("Operation is not supported for this type of object. (a key column added "
                                      "to a table)"));
        c.type.counter = false;
        t.columns.push_back(columnInfo(c));
        t.sql = (QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD COLUMN ") + columnSql(c, false, false))
                    .toUtf8();
        return t;
    }
    if (acceptWord("DROP")) {
        if (acceptWord("CONSTRAINT")) {
            t.kind = StatementKind::DropIndex;
            t.sql = (QStringLiteral("DROP INDEX ") + quoteName(t.table + QLatin1Char('_') + name())).toUtf8();
            return t;
        }
        acceptWord("COLUMN");
        t.sql = (QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" DROP COLUMN ") + quoteName(name())).toUtf8();
        return t;
    }
    if (peek().isWord("ALTER"))
        fail(3251, QStringLiteral("Operation is not supported for this type of object. (ALTER COLUMN)"));
    syntaxError();
}

}  // namespace platform::dao::jet::detail

namespace platform::dao::jet {

int JetTypeFromDeclType(const QString& decl, int* size)
{
    QString d = decl.trimmed().toUpper();
    int arg = 0;
    const qsizetype paren = d.indexOf(QLatin1Char('('));
    if (paren >= 0) {
        arg = d.mid(paren + 1).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(','), 0, 0).trimmed().toInt();
        d = d.left(paren).trimmed();
    }
    detail::TypeMap m{};
    int type = dbText, s = 255;
    if (d == QLatin1String("TEXT")) {
        type = dbText;
        s = arg > 0 ? arg : 255;
    } else if (detail::mapType(d, arg, &m)) {
        type = m.jetType;
        s = m.size;
    } else if (d.contains(QLatin1String("INT"))) { // SQLite's affinity rules for other names
        type = dbLong, s = 4;
    } else if (d.contains(QLatin1String("CHAR")) || d.contains(QLatin1String("CLOB")) ||
               d.contains(QLatin1String("TEXT"))) {
        type = dbText, s = arg > 0 ? arg : 255;
    } else if (d.contains(QLatin1String("BLOB"))) {
        type = dbLongBinary, s = 0;
    } else if (d.contains(QLatin1String("REAL")) || d.contains(QLatin1String("FLOA")) ||
               d.contains(QLatin1String("DOUB")) || d.contains(QLatin1String("NUM")) ||
               d.contains(QLatin1String("DEC"))) {
        type = dbDouble, s = 8;
    }
    if (size)
        *size = s;
    return type;
}

}  // namespace platform::dao::jet
