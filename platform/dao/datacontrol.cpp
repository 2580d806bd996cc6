#include "platform/dao/dao.h"

#include "platform/dao/daoerrors.h"

namespace platform::dao {

DataControl::DataControl(QObject* parent) : QObject(parent) {}

DataControl::~DataControl()
{
    if (m_recordset && m_listener)
        m_recordset->RemoveListener(m_listener);
}

void DataControl::SetDatabaseName(const QString& path)
{
    if (path == m_databaseName)
        return;
    m_databaseName = path;
    // A database of another name, its own or one handed over, is no longer
    // the one to read: the next Refresh opens the new name.
    if (m_database) {
        if (m_ownsDatabase)
            m_database->Close();
        m_database.reset();
        m_ownsDatabase = false;
    }
}

void DataControl::SetDatabase(DatabasePtr db)
{
    if (m_ownsDatabase && m_database && m_database != db)
        m_database->Close();
    m_database = std::move(db);
    m_ownsDatabase = false;
    if (m_database)
        m_databaseName = m_database->Name();
}

void DataControl::Refresh()
{
    if (!m_database || !m_database->IsOpen()) {
        if (m_databaseName.isEmpty())
            detail::Throw(JetError::FileNotFound, detail::FileNotFoundText().arg(QString()));
        auto ws = DBEngine::CreateWorkspace(QStringLiteral("DataControl"));
        m_database = ws->OpenDatabase(m_databaseName, false, m_readOnly);
        m_ownsDatabase = true;
    }
    auto rs = m_database->OpenRecordset(m_recordSource, dbOpenSnapshot);
    if (m_recordset)
        m_recordset->Close();
    bind(std::move(rs));
}

void DataControl::SetRecordset(RecordsetPtr rs)
{
    bind(std::move(rs));
}

void DataControl::bind(RecordsetPtr rs)
{
    if (m_recordset && m_listener)
        m_recordset->RemoveListener(m_listener);
    m_listener = 0;
    m_recordset = std::move(rs);
    if (m_recordset)
        m_listener = m_recordset->AddListener([this] { Q_EMIT currentChanged(); });
    Q_EMIT recordsetChanged();
}

}  // namespace platform::dao
