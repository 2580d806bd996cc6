// The headers precompiled for every library, program and test (TQPrecompile.cmake):
// the standard library and the Qt headers most files include.  Each target
// compiles it with its own flags; the Qt modules a target links decide which
// parts apply (Qt defines QT_<MODULE>_LIB for each).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#ifdef QT_GUI_LIB
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#endif

#ifdef QT_WIDGETS_LIB
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#endif

#ifdef QT_TESTLIB_LIB
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#endif
