#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class GalleryLog;

// One tab of the gallery: a title, a caption of what to try and its body.
struct GalleryPage {
    QString title;
    QString caption;
    std::function<QWidget*(GalleryLog*)> make;
};

std::vector<GalleryPage> GalleryPages();
