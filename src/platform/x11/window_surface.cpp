#include "platform/x11/window_surface.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <cstring>

#include "platform/x11/x_error_trap.h"
#include "ui/errors.h"

namespace tessivar::x11 {

bool visual_matches_pixels(Display* display, Visual* visual, int depth) {
  if (visual->c_class != TrueColor || visual->red_mask != 0xFF0000 ||
      visual->green_mask != 0x00FF00 || visual->blue_mask != 0x0000FF) {
    return false;
  }
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
  bool ok = false;
  for (int i = 0; i < count; ++i) {
    if (formats[i].depth == depth) ok = formats[i].bits_per_pixel == 32;
  }
  if (formats) XFree(formats);
  return ok;
}

namespace {

XImage* create_shared_image(Display* display, Visual* visual, int depth, ui::Size size,
                            XShmSegmentInfo& segment) {
  XImage* image = XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap,
                                  nullptr, &segment, static_cast<unsigned>(size.width),
                                  static_cast<unsigned>(size.height));
  if (!image) return nullptr;
  segment.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(image->bytes_per_line) * size.height,
                         IPC_CREAT | 0600);
  if (segment.shmid < 0) {
    XDestroyImage(image);
    return nullptr;
  }
  segment.shmaddr = image->data = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
  if (segment.shmaddr == reinterpret_cast<char*>(-1)) {
    shmctl(segment.shmid, IPC_RMID, nullptr);
    image->data = nullptr;
    XDestroyImage(image);
    return nullptr;
  }
  segment.readOnly = False;
  // A server on another machine, or one that refuses, reports the failure only asynchronously.
  XErrorTrap trap(display);
  XShmAttach(display, &segment);
  XSync(display, False);
  // Marked for removal now, so the segment goes with the process whatever happens to it.
  shmctl(segment.shmid, IPC_RMID, nullptr);
  if (trap.caught()) {
    shmdt(segment.shmaddr);
    image->data = nullptr;
    XDestroyImage(image);
    return nullptr;
  }
  return image;
}

}  // namespace

WindowSurface::WindowSurface(Display* display, Visual* visual, int depth, ui::Size size,
                             bool try_shared)
    : display_(display) {
  size.width = std::max(size.width, 1);
  size.height = std::max(size.height, 1);
  if (try_shared) {
    image_ = create_shared_image(display, visual, depth, size, segment_);
    shared_ = image_ != nullptr;
  }
  if (!image_) {
    const std::size_t bytes = static_cast<std::size_t>(size.width) * size.height * 4;
    char* data = static_cast<char*>(std::calloc(bytes, 1));
    if (!data) throw ui::PlatformError("Not enough memory for a window of this size");
    image_ = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, data,
                          static_cast<unsigned>(size.width), static_cast<unsigned>(size.height),
                          32, size.width * 4);
    if (!image_) {
      std::free(data);
      throw ui::PlatformError("Cannot make the pixel memory of a window");
    }
    // Our pixels are in this machine's byte order; Xlib swaps when the server's differs.
    const unsigned one = 1;
    image_->byte_order = *reinterpret_cast<const unsigned char*>(&one) ? LSBFirst : MSBFirst;
  }
}

WindowSurface::~WindowSurface() {
  if (shared_) {
    XShmDetach(display_, &segment_);
    XSync(display_, False);
    shmdt(segment_.shmaddr);
    image_->data = nullptr;
  }
  XDestroyImage(image_);  // frees the calloc'd data of an unshared image
}

ui::PixelView WindowSurface::pixels() const {
  return {reinterpret_cast<ui::Pixel*>(image_->data), image_->bytes_per_line / 4, image_->width,
          image_->height};
}

void WindowSurface::put(Drawable drawable, GC gc, ui::Rect area) const {
  if (area.empty()) return;
  if (shared_) {
    XShmPutImage(display_, drawable, gc, image_, area.x, area.y, area.x, area.y,
                 static_cast<unsigned>(area.width), static_cast<unsigned>(area.height), False);
  } else {
    XPutImage(display_, drawable, gc, image_, area.x, area.y, area.x, area.y,
              static_cast<unsigned>(area.width), static_cast<unsigned>(area.height));
  }
}

}  // namespace tessivar::x11
