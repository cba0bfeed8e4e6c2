#include "BVStringHelper.h"

#include <QFile>
#include <QGuiApplication>

QString BVStringHelper::DPIAdjustImageName(const QString& name)
{
    if (!qGuiApp || qGuiApp->devicePixelRatio() < 2.0)
        return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const int slash = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char(':')));
    QString hiDpi = name;
    hiDpi.insert(dot > slash ? dot : name.size(), QLatin1String("@2x"));
    return QFile::exists(hiDpi) ? hiDpi : name;
}
