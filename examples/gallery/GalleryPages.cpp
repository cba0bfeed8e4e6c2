#include "GalleryPages.h"

#include "GalleryLog.h"

std::vector<GalleryPage> GalleryPages()
{
    std::vector<GalleryPage> pages;
    return pages;
}
