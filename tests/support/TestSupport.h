#pragma once

#include <QString>
#include <QStringList>

namespace bvtest {

// Points the "theme:" search path at the project's own theme folder, as a
// host does with its theme.
void InstallTheme();
// Points it at an empty folder, to see how controls cope with missing images.
void InstallEmptyTheme();
QString ThemeDir();

// Collects every warning, critical and fatal message Qt prints while alive.
class MessageCatcher {
public:
    MessageCatcher();
    ~MessageCatcher();
    QStringList Messages() const;

private:
    Q_DISABLE_COPY(MessageCatcher)
};

} // namespace bvtest
