#pragma once

#include <QPlainTextEdit>

// The gallery's live log of the signals the controls emit.
class GalleryLog : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit GalleryLog(QWidget* parent = nullptr);
    void Add(const QString& source, const QString& text);
};

QString DescribeColor(const QColor& color);
