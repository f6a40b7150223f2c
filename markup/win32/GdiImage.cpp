#include "markup/win32/GdiImage.h"

#include <atomic>
#include <utility>

namespace fennick {

namespace {

enum class ImageSource { Program, File, Library, Handle };

bool IsResourceNumber(int id)
{
    return id >= 1 && id <= 0xFFFF;
}

ImageSource SourceOf(const ImageRequest& request)
{
    if (IsResourceNumber(request.resourceId)) {
        return ImageSource::Program;
    }
    if (!request.file.empty()) {
        return ImageSource::File;
    }
    if (IsResourceNumber(request.libraryResourceId)) {
        return ImageSource::Library;
    }
    return ImageSource::Handle;
}

HANDLE LoadFromModule(HMODULE module, int id, const ImageRequest& request)
{
    if (request.kind == ImageKind::Icon) {
        return LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, request.iconSize.width, request.iconSize.height, 0);
    }
    return LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
}

// Loads the image the request names; the second member says whether it was loaded here.
std::pair<HANDLE, bool> LoadRequested(const ImageRequest& request)
{
    const bool icon = request.kind == ImageKind::Icon;
    switch (SourceOf(request)) {
    case ImageSource::Program:
        return {LoadFromModule(GetModuleHandleW(nullptr), request.resourceId, request), true};
    case ImageSource::File:
        return {icon ? LoadImageW(nullptr, request.file.c_str(), IMAGE_ICON, request.iconSize.width,
                                  request.iconSize.height, LR_LOADFROMFILE)
                     : LoadImageW(nullptr, request.file.c_str(), IMAGE_BITMAP, 0, 0,
                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE),
                true};
    case ImageSource::Library: {
        if (request.library.empty()) {
            return {nullptr, true};
        }
        // Only the library's resources are read: markup must not make a library run its code.
        const HMODULE library =
            LoadLibraryExW(request.library.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (library == nullptr) {
            return {nullptr, true};
        }
        const HANDLE image = LoadFromModule(library, request.libraryResourceId, request);
        FreeLibrary(library);
        return {image, true};
    }
    case ImageSource::Handle:
        break;
    }
    // A number from the markup may name anything: a bitmap must be one; an icon that is none
    // reads as 0 x 0 and is left out.
    const auto handle = reinterpret_cast<HANDLE>(request.handle);
    return {icon || GetObjectType(handle) == OBJ_BITMAP ? handle : nullptr, false};
}

// An icon's bitmaps; an icon loaded here is destroyed once they are read.
IconBitmaps ReadIcon(HICON icon, bool owned)
{
    const OwnedIcon own(owned ? icon : nullptr);
    IconBitmaps bitmaps;
    if (!bitmaps.Read(icon)) {
        return {};
    }
    return bitmaps;
}

std::uint64_t NextSerial()
{
    static std::atomic<std::uint64_t> serial{0};
    return ++serial;
}

} // namespace

std::shared_ptr<GdiImage> GdiImage::Open(const ImageRequest& request)
{
    const auto [handle, owned] = LoadRequested(request);
    if (handle == nullptr) {
        return nullptr;
    }
    if (request.kind == ImageKind::Icon) {
        return std::shared_ptr<GdiImage>(new GdiImage(ReadIcon(static_cast<HICON>(handle), owned)));
    }
    const auto bitmap = static_cast<HBITMAP>(handle);
    return std::shared_ptr<GdiImage>(new GdiImage(bitmap, OwnedBitmap(owned ? bitmap : nullptr)));
}

std::shared_ptr<GdiImage> GdiImage::OpenListIcon(HIMAGELIST list, int index)
{
    if (index < 0 || index >= ImageList_GetImageCount(list)) {
        return nullptr;
    }
    const HICON icon = ImageList_GetIcon(list, index, 0);
    return icon != nullptr ? std::shared_ptr<GdiImage>(new GdiImage(ReadIcon(icon, true))) : nullptr;
}

bool GdiImage::IsOwnersImage(const ImageRequest& request)
{
    return SourceOf(request) == ImageSource::Handle;
}

GdiImage::GdiImage(HBITMAP bitmap, OwnedBitmap owned)
    : bitmap_(bitmap), ownBitmap_(std::move(owned)), serial_(NextSerial())
{
    const SIZE size = DrawManager::GetBitmapSize(bitmap);
    size_ = {size.cx, size.cy};
}

GdiImage::GdiImage(IconBitmaps icon)
    : icon_(std::move(icon)), size_{icon_.size.cx, icon_.size.cy}, serial_(NextSerial())
{}

PreparedImage GdiImage::Prepare(HDC dc, DrawManager& drawManager, const ImageDrawing& drawing) const
{
    const int width = drawing.box.Width();
    const int height = drawing.box.Height();
    if (bitmap_ == nullptr) {
        return drawManager.PrepareIcon(dc, width, height, icon_, drawing.look);
    }
    if (drawing.frame >= 0) {
        return drawManager.PrepareStripFrame(dc, width, height, bitmap_, drawing.frame,
                                             {drawing.cellSize.width, drawing.cellSize.height}, drawing.look);
    }
    return drawManager.PrepareBitmap(dc, width, height, bitmap_, drawing.look);
}

} // namespace fennick
