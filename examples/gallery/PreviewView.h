#pragma once

#include <QImage>
#include <QWidget>

// A before/after preview, drawn by the host: gray left of the split, color right.
class PreviewView : public QWidget {
    Q_OBJECT

public:
    explicit PreviewView(QWidget* parent = nullptr);
    void SetSplit(double fraction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void MakeImages();

    double m_split = 0.5;
    QImage m_color;
    QImage m_gray;
};
