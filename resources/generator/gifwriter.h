#pragma once
// A small GIF89a encoder for the few pictures the program keeps as GIF (Qt
// reads GIF but does not write it).  One image, a global colour table of at
// most 256 colours, optional transparency, LZW-compressed data.
//
// Stages, in file order:
//   palette    the image's own colours when there are at most 256 (255 when a
//              transparent entry is needed), else Qt's 8-bit quantisation;
//   header     "GIF89a", logical screen descriptor, global colour table;
//   control    graphic control extension naming the transparent index;
//   image      image descriptor, then the LZW stream in sub-blocks of at most
//              255 bytes;
//   trailer    0x3B.
//
// LZW: codes start one bit wider than the minimum code size (at least 2), a
// clear code opens the stream, the code width grows when the next free code
// reaches the current limit, and a clear code restarts the table when it
// holds 4096 codes; codes are packed least significant bit first.

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <vector>

namespace resources {

QByteArray encodeGif(const QImage& image);

namespace gif {

// The LZW stage alone: compresses colour indexes (each below 2^minCodeSize)
// into the packed code stream, without the sub-block framing.
QByteArray lzwCompress(const std::vector<uint8_t>& indexes, int minCodeSize);

}  // namespace gif
}  // namespace resources
