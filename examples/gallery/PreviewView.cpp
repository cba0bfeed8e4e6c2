#include "PreviewView.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

PreviewView::PreviewView(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(320, 240);
}

void PreviewView::SetSplit(double fraction)
{
    m_split = fraction;
    update();
}

void PreviewView::resizeEvent(QResizeEvent*)
{
    MakeImages();
}

// A made-up landscape, so the gallery needs no photograph.
void PreviewView::MakeImages()
{
    m_color = QImage(size(), QImage::Format_RGB32);
    QPainter p(&m_color);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(40, 90, 190));
    sky.setColorAt(0.6, QColor(250, 170, 90));
    sky.setColorAt(1.0, QColor(60, 120, 50));
    p.fillRect(rect(), sky);
    QRadialGradient sun(width() * 0.7, height() * 0.45, height() * 0.18);
    sun.setColorAt(0.0, QColor(255, 240, 120));
    sun.setColorAt(1.0, QColor(255, 120, 40, 0));
    p.fillRect(rect(), sun);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 80, 40));
    p.drawEllipse(QRectF(-width() * 0.2, height() * 0.62, width() * 0.8, height() * 0.7));
    p.setBrush(QColor(50, 110, 60));
    p.drawEllipse(QRectF(width() * 0.35, height() * 0.7, width() * 0.9, height() * 0.6));
    p.end();
    m_gray = m_color.convertToFormat(QImage::Format_Grayscale8);
}

void PreviewView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int split = int(width() * m_split);
    p.drawImage(QRect(0, 0, split, height()), m_gray, QRect(0, 0, split, height()));
    p.drawImage(
        QRect(split, 0, width() - split, height()), m_color, QRect(split, 0, width() - split, height()));
}
