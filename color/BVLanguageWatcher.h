#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

// Runs a form's retranslate step again when the host switches language (Qt
// sends QEvent::LanguageChange to every widget once a translator is
// installed), as Qt's own widgets do in changeEvent. An event filter owned by
// the widget, so the widget itself needs no virtual function of its own.
class BVLanguageWatcher : public QObject {
public:
    BVLanguageWatcher(QObject* watched, std::function<void()> retranslate)
        : QObject(watched)
        , m_retranslate(std::move(retranslate))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_retranslate();
        return false;
    }

private:
    std::function<void()> m_retranslate;
};
