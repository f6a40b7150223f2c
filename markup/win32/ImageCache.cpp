#include "markup/win32/ImageCache.h"

#include <algorithm>
#include <tuple>

namespace fennick {

namespace {

auto Fields(const ImageRequest& request)
{
    return std::tie(request.kind, request.resourceId, request.file, request.libraryResourceId, request.library,
                    request.handle, request.iconSize.width, request.iconSize.height);
}

std::int64_t PixelsOf(const PreparedImage& image)
{
    return std::int64_t{image.width} * image.height;
}

} // namespace

bool ImageCache::RequestOrder::operator()(const ImageRequest& a, const ImageRequest& b) const
{
    return Fields(a) < Fields(b);
}

std::shared_ptr<const GdiImage> ImageCache::Open(const ImageRequest& request)
{
    if (GdiImage::IsOwnersImage(request)) {
        return GdiImage::Open(request);
    }
    if (const auto found = images_.find(request); found != images_.end()) {
        found->second.lastUse = ++clock_;
        found->second.used = true;
        return found->second.image;
    }
    if (images_.size() >= kMaxImages) {
        const auto oldest = std::min_element(images_.begin(), images_.end(), [](const auto& a, const auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        if (oldest->second.image) {
            ForgetLooksOf(oldest->second.image->Serial());
        }
        images_.erase(oldest);
    }
    std::shared_ptr<const GdiImage> image = GdiImage::Open(request);
    images_.emplace(request, Entry{image, ++clock_, true});
    return image;
}

void ImageCache::Draw(HDC dc, DrawManager& drawManager, const GdiImage& image, const ImageDrawing& drawing)
{
    const int x = drawing.box.left;
    const int y = drawing.box.top;
    ImageDrawing key = drawing;
    key.box = {0, 0, drawing.box.Width(), drawing.box.Height()};
    if (!Keeps(image)) {
        drawManager.DrawPrepared(dc, x, y, image.Prepare(dc, drawManager, key));
        return;
    }
    const auto found = std::find_if(looks_.begin(), looks_.end(), [&](const Look& kept) {
        return kept.serial == image.Serial() && kept.drawing == key;
    });
    if (found != looks_.end()) {
        found->used = true;
        looks_.splice(looks_.begin(), looks_, found);
        drawManager.DrawPrepared(dc, x, y, looks_.front().prepared);
        return;
    }
    PreparedImage prepared = image.Prepare(dc, drawManager, key);
    drawManager.DrawPrepared(dc, x, y, prepared);
    if (prepared && PixelsOf(prepared) <= kMaxLookPixels) {
        lookPixels_ += PixelsOf(prepared);
        looks_.push_front({image.Serial(), key, std::move(prepared), true});
        TrimLooks();
    }
}

void ImageCache::ForgetUnused()
{
    for (auto entry = images_.begin(); entry != images_.end();) {
        if (entry->second.used) {
            ++entry;
            continue;
        }
        if (entry->second.image) {
            ForgetLooksOf(entry->second.image->Serial());
        }
        entry = images_.erase(entry);
    }
    ForgetLooksIf([](const Look& look) { return !look.used; });
}

void ImageCache::MarkUnused()
{
    for (auto& [request, entry] : images_) {
        entry.used = false;
    }
    for (Look& look : looks_) {
        look.used = false;
    }
}

void ImageCache::Clear()
{
    images_.clear();
    looks_.clear();
    lookPixels_ = 0;
}

bool ImageCache::Keeps(const GdiImage& image) const
{
    return std::any_of(images_.begin(), images_.end(),
                       [&](const auto& entry) { return entry.second.image.get() == &image; });
}

void ImageCache::ForgetLooksOf(std::uint64_t serial)
{
    ForgetLooksIf([&](const Look& look) { return look.serial == serial; });
}

void ImageCache::ForgetLooksIf(const std::function<bool(const Look&)>& forget)
{
    for (auto look = looks_.begin(); look != looks_.end();) {
        if (forget(*look)) {
            lookPixels_ -= PixelsOf(look->prepared);
            look = looks_.erase(look);
        } else {
            ++look;
        }
    }
}

void ImageCache::TrimLooks()
{
    while (looks_.size() > kMaxLooks || lookPixels_ > kMaxLookPixels) {
        lookPixels_ -= PixelsOf(looks_.back().prepared);
        looks_.pop_back();
    }
}

} // namespace fennick
