#!/usr/bin/python3
"""Draws Ravelo's icons and the main window's background picture.

Run it from this folder after changing a drawing (Debian: python3-pil); the build only uses the
files it writes, which are committed beside it. Each icon is drawn once, large, and reduced to
the seven images of a Windows icon: 16, 32 and 48 pixels in 256 colours, and 16, 32, 48 and 128
pixels in 32-bit colour (the largest compressed as PNG).
"""

import io
import struct

from PIL import Image, ImageDraw

BIG = 512  # drawn at this size, then reduced smoothly


def canvas():
    return Image.new("RGBA", (BIG, BIG), (0, 0, 0, 0))


def s(*values):
    """Coordinates given on a 128 grid, scaled to the drawing size."""
    return [v * BIG // 128 for v in values]


def page(draw, x, y, w, h):
    fold = w // 4
    draw.polygon(s(x, y, x + w - fold, y, x + w, y + fold, x + w, y + h, x, y + h),
                 fill=(255, 255, 255, 255), outline=(90, 90, 110, 255), width=BIG // 64)
    draw.polygon(s(x + w - fold, y, x + w - fold, y + fold, x + w, y + fold),
                 fill=(215, 215, 230, 255), outline=(90, 90, 110, 255), width=BIG // 64)
    for row in range(y + fold + 8, y + h - 6, 10):
        draw.line(s(x + 8, row, x + w - 10, row), fill=(140, 150, 190, 255), width=BIG // 64)


def folder(draw, open_front):
    draw.polygon(s(8, 30, 48, 30, 56, 40, 118, 40, 118, 108, 8, 108),
                 fill=(214, 160, 40, 255), outline=(120, 80, 10, 255), width=BIG // 64)
    if open_front:
        draw.polygon(s(20, 58, 124, 58, 112, 108, 8, 108),
                     fill=(250, 205, 80, 255), outline=(120, 80, 10, 255), width=BIG // 64)
    else:
        draw.rectangle(s(8, 50, 118, 108), fill=(250, 205, 80, 255),
                       outline=(120, 80, 10, 255), width=BIG // 64)


def app_icon():
    image = canvas()
    draw = ImageDraw.Draw(image)
    page(draw, 14, 6, 72, 96)
    draw.line(s(88, 88, 118, 118), fill=(70, 50, 30, 255), width=BIG // 10)
    draw.ellipse(s(40, 40, 98, 98), fill=(200, 225, 255, 150), outline=(40, 40, 60, 255),
                 width=BIG // 20)
    return image


def browse_icon():
    image = canvas()
    draw = ImageDraw.Draw(image)
    draw.polygon(s(8, 30, 48, 30, 56, 40, 118, 40, 118, 108, 8, 108),
                 fill=(214, 160, 40, 255), outline=(120, 80, 10, 255), width=BIG // 64)
    page(draw, 30, 12, 60, 70)
    draw.polygon(s(20, 58, 124, 58, 112, 108, 8, 108),
                 fill=(250, 205, 80, 255), outline=(120, 80, 10, 255), width=BIG // 64)
    return image


def sign_icon(color, plus):
    image = canvas()
    draw = ImageDraw.Draw(image)
    dark = tuple(c // 2 for c in color[:3]) + (255,)
    draw.rounded_rectangle(s(12, 50, 116, 78), radius=BIG // 32, fill=color, outline=dark,
                           width=BIG // 48)
    if plus:
        draw.rounded_rectangle(s(50, 12, 78, 116), radius=BIG // 32, fill=color, outline=dark,
                               width=BIG // 48)
        draw.rectangle(s(52, 52, 76, 76), fill=color)
    return image


def clear_icon():
    image = canvas()
    draw = ImageDraw.Draw(image)
    draw.rectangle(s(16, 16, 92, 118), fill=(255, 246, 170, 255), outline=(120, 110, 50, 255),
                   width=BIG // 64)
    for row in range(36, 112, 12):
        draw.line(s(24, row, 84, row), fill=(120, 160, 210, 255), width=BIG // 96)
    for x in range(24, 90, 12):
        draw.ellipse(s(x - 3, 10, x + 3, 22), outline=(80, 80, 80, 255), width=BIG // 64)
    draw.line(s(60, 104, 116, 30), fill=(230, 150, 30, 255), width=BIG // 9)
    draw.polygon(s(54, 116, 52, 102, 64, 110), fill=(60, 40, 30, 255))
    draw.line(s(110, 38, 118, 27), fill=(230, 120, 140, 255), width=BIG // 9)
    return image


def export_icon():
    image = canvas()
    draw = ImageDraw.Draw(image)
    folder(draw, open_front=False)
    draw.polygon(s(64, 4, 96, 40, 76, 40, 76, 92, 52, 92, 52, 40, 32, 40),
                 fill=(40, 170, 60, 255), outline=(10, 80, 20, 255), width=BIG // 64)
    return image


def dib(image, bits):
    """One icon image as a Windows bitmap: colours bottom-up, then the 1-bit transparency mask."""
    size = image.width
    alpha = image.getchannel("A")
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(mask_row)
        for x in range(size):
            if alpha.getpixel((x, y)) < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    if bits == 32:
        colors = bytearray()
        for y in reversed(range(size)):
            for x in range(size):
                r, g, b, a = image.getpixel((x, y))
                colors += bytes((b, g, r, a))
        palette = b""
    else:
        flat = Image.new("RGB", image.size, (255, 255, 255))
        flat.paste(image, mask=alpha)
        indexed = flat.quantize(256)
        raw = indexed.getpalette()[: 256 * 3]
        raw += [0] * (256 * 3 - len(raw))
        palette = b"".join(bytes((raw[i + 2], raw[i + 1], raw[i], 0)) for i in range(0, 768, 3))
        colors = bytearray()
        for y in reversed(range(size)):
            colors += bytes(indexed.getpixel((x, y)) for x in range(size))
            colors += bytes((-size) % 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(colors) + len(mask), 0, 0, 0, 0)
    return header + palette + bytes(colors) + bytes(mask)


def png(image):
    """One icon image compressed as PNG, which Windows reads from Vista on."""
    out = io.BytesIO()
    image.save(out, "PNG", optimize=True)
    return out.getvalue()


def write_ico(path, drawing):
    # Windows XP reads bitmaps only, and at the DPIs it runs at it picks 48 pixels or fewer; the
    # 128-pixel image, for screens of 200 % and more on later Windows, is a PNG, a tenth the size.
    images = [(16, 8), (32, 8), (48, 8), (16, 32), (32, 32), (48, 32), (128, 32)]
    blobs = []
    for size, bits in images:
        image = drawing.resize((size, size), Image.LANCZOS)
        blobs.append(png(image) if size > 48 else dib(image, bits))
    out = io.BytesIO()
    out.write(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (size, bits), blob in zip(images, blobs):
        out.write(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(blob),
                              offset))
        offset += len(blob)
    for blob in blobs:
        out.write(blob)
    with open(path, "wb") as f:
        f.write(out.getvalue())


def background(path):
    image = Image.new("RGB", (1052, 760), (232, 228, 246))
    draw = ImageDraw.Draw(image)
    for y in range(0, 760, 3):
        draw.line((0, y, 1051, y), fill=(221, 216, 239))
    image.save(path, "JPEG", quality=92)


def main():
    for size in (16, 32, 48, 128):  # the application icon of desktop menus
        app_icon().resize((size, size), Image.LANCZOS).save(f"images/ravelo-{size}.png")
    write_ico("images/ravelo.ico", app_icon())
    write_ico("images/browse.ico", browse_icon())
    write_ico("images/add.ico", sign_icon((60, 180, 60, 255), plus=True))
    write_ico("images/remove.ico", sign_icon((215, 45, 45, 255), plus=False))
    write_ico("images/clear.ico", clear_icon())
    write_ico("images/export.ico", export_icon())
    background("images/background.jpg")


if __name__ == "__main__":
    main()
