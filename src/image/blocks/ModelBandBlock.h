#pragma once
// The model and band block: which model the image belongs to and which band
// it is set for.
//
//   offset  0  1  | 2    | 3  4  5  6   | 7  | 8 .. 15
//          00 00  | band | model code   | 50 | FF ..
//                 | F7   | 32 34 38 36  | P  |        model "6842", band 247
//
// The model code is stored last character first, so that bytes 7 down to 3
// spell "P6842", the identity text of the header block. A code shorter than
// four characters is padded with spaces, a longer one cut.

#include "image/blocks/Block.h"

#include <QString>

class TModelBandBlock {
public:
    static void Encode(TBlock &block, const QString &modelCode, int bandCode);
    // Returns the band code; modelCode gets bytes 6, 5, 4, 3 without the
    // spaces at either end. Bytes 0, 1 and 7 are not examined.
    static int Decode(const TBlock &block, QString &modelCode);

private:
    struct Offset {
        static constexpr int BandCode = 2;
        static constexpr int ModelCode = 3; // last character of the code
        static constexpr int Marker = 7;
    };
    static constexpr int ModelCodeSize = 4;
    static constexpr uint8_t Zero = 0x00;
    static constexpr uint8_t MarkerByte = 'P';
};
