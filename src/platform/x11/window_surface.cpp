#include "platform/x11/window_surface.h"

#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>

#include <cstdlib>
#include <new>

#include "platform/x11/server_pixel_format.h"
#include "platform/x11/x_error_trap.h"
#include "ui/errors.h"

namespace tessivar::x11 {

namespace {

XImage* create_shared_image(Display* display, Visual* visual, int depth, ui::Size size,
                            XShmSegmentInfo& segment) {
  XImage* image =
      XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &segment,
                      static_cast<unsigned>(size.width), static_cast<unsigned>(size.height));
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

XImage* create_unshared_image(Display* display, Visual* visual, int depth, ui::Size size) {
  // Xlib works out the row length for the depth's pixel size; the memory comes after.
  XImage* image =
      XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                   static_cast<unsigned>(size.width), static_cast<unsigned>(size.height), 32, 0);
  if (!image) throw ui::PlatformError("Cannot make the pixel memory of a window");
  image->data = static_cast<char*>(
      std::calloc(static_cast<std::size_t>(image->bytes_per_line) * size.height, 1));
  if (!image->data) {
    XDestroyImage(image);
    throw ui::PlatformError("Not enough memory for a window of this size");
  }
  // Written in this machine's byte order; Xlib swaps when the server's differs.
  image->byte_order = host_byte_order() == ByteOrder::LeastSignificantFirst ? LSBFirst : MSBFirst;
  return image;
}

std::optional<ServerPixelFormat> format_of(const XImage& image) {
  return server_pixel_format(static_cast<std::uint32_t>(image.red_mask),
                             static_cast<std::uint32_t>(image.green_mask),
                             static_cast<std::uint32_t>(image.blue_mask), image.bits_per_pixel,
                             image.byte_order == LSBFirst ? ByteOrder::LeastSignificantFirst
                                                          : ByteOrder::MostSignificantFirst);
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
  if (!image_) image_ = create_unshared_image(display, visual, depth, size);

  const std::optional<ServerPixelFormat> format = format_of(*image_);
  if (!format) {
    release_image();
    throw ui::PlatformError("the X display's pixel format cannot be drawn in");
  }
  if (is_engine_layout(*format)) {
    pixels_ = {reinterpret_cast<ui::Pixel*>(image_->data), image_->bytes_per_line / 4, size.width,
               size.height};
    return;
  }
  // Any other layout: the engine paints into memory of its own, converted as it is presented.
  own_pixels_.reset(new (std::nothrow)
                        ui::Pixel[static_cast<std::size_t>(size.width) * size.height]());
  if (!own_pixels_) {
    release_image();
    throw ui::PlatformError("Not enough memory for a window of this size");
  }
  converter_.emplace(*format);
  pixels_ = {own_pixels_.get(), size.width, size.width, size.height};
}

ui::PixelView WindowSurface::pixels_for_painting() {
  if (!pages_made_ && image_ != nullptr && image_->data != nullptr) {
    pages_made_ = true;
    // The first paint writes every pixel, so every page is needed at once: made in one call they
    // cost a fraction of a fault apiece (a single fault has been seen to take 13 us on a virtual
    // machine). Made here rather than with the memory, they are taken only when they are
    // written, once the window that this one replaces may have gone. A kernel older than 5.14
    // refuses the call, and the pages then come one fault at a time.
    madvise(image_->data, static_cast<std::size_t>(image_->bytes_per_line) * image_->height,
            MADV_POPULATE_WRITE);
  }
  return pixels_;
}

WindowSurface::~WindowSurface() {
  release_image();
}

void WindowSurface::release_image() {
  if (shared_) {
    XShmDetach(display_, &segment_);
    XSync(display_, False);
    shmdt(segment_.shmaddr);
    image_->data = nullptr;
  }
  XDestroyImage(image_);  // frees the calloc'd data of an unshared image
}

void WindowSurface::put(Drawable drawable, GC gc, ui::Rect area) const {
  if (area.empty()) return;
  if (converter_) {
    converter_->convert({pixels_.data, pixels_.pitch, pixels_.width, pixels_.height}, area,
                        reinterpret_cast<std::byte*>(image_->data), image_->bytes_per_line);
  }
  if (shared_) {
    XShmPutImage(display_, drawable, gc, image_, area.x, area.y, area.x, area.y,
                 static_cast<unsigned>(area.width), static_cast<unsigned>(area.height), False);
  } else {
    XPutImage(display_, drawable, gc, image_, area.x, area.y, area.x, area.y,
              static_cast<unsigned>(area.width), static_cast<unsigned>(area.height));
  }
}

}  // namespace tessivar::x11
