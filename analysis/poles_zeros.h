#pragma once
// The poles and zeros of the transfer function from the source voltage Ue to one branch's
// voltage or current, from the network's own equations: nodal equations with every branch
// current and capacitor voltage as unknowns are linear in s, (A + s B) x = b Ue, so the poles
// are the finite generalized eigenvalues of the pencil (A, -B) and the zeros those of the pencil
// bordered by b and the output row.
#include <complex>
#include <string>
#include <vector>

#include "analysis/network.h"

namespace volmira {

enum class TransferOutput { Voltage, Current };

struct Singularity {
    std::complex<double> s;  // 1/s
    bool cancelled = false;  // a zero of the other kind lies on it
};

struct PolesAndZeros {
    std::string refusal;             // why there are none; empty when computed
    std::vector<Singularity> poles;  // by natural frequency, conjugates next to each other
    std::vector<Singularity> zeros;
    bool ok() const { return refusal.empty(); }
};

// Branch k (1-based) of an analysed network whose branches hold their R, L and C sums.
PolesAndZeros polesAndZeros(const Network& network, int branch, TransferOutput output);

// What a list in Hz shows of a pole or zero at s (one line per conjugate pair): the natural
// frequency |s| / 2 pi, the damping -Re s / |s| (none at s = 0) and, for a complex pair, the
// quality |s| / (-2 Re s) (infinite when Re s = 0).
struct NaturalMode {
    double frequency = 0;
    bool hasDamping = false;
    double damping = 0;
    bool hasQuality = false;
    double quality = 0;
    bool pair = false;
};
NaturalMode naturalMode(std::complex<double> s);

// The poles or zeros as listed: one entry per real value and per conjugate pair (the one with
// Im s > 0 stands for it).
std::vector<Singularity> listedOnce(const std::vector<Singularity>& all);

}  // namespace volmira
