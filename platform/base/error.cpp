#include "platform/base/error.h"

namespace platform {

Error::Error(long number, QString description, QString source)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source))
{
    m_what = std::to_string(m_number) + ": " + m_description.toStdString();
}

}  // namespace platform
