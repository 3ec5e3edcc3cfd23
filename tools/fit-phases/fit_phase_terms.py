# SPDX-License-Identifier: MIT
"""Fit extra periodic terms to Meeus' true-phase series against DE431 phase instants.

Reads astronomy/tests/data/phases_de431.csv (phase,jd_tt), takes the residual of aa::meeusTruePhaseJde for every
row and, per phase type, picks sin/cos pairs of integer combinations of M, M', F, Omega
(optionally with one of the planetary arguments A1..A14) by greedy forward selection,
checked on held-out lunations. Writes astronomy/src/aa/MoonPhaseFit.inc.

Run with Debian's python3 (needs numpy):  /usr/bin/python3 fit_phase_terms.py
"""
import argparse
import itertools
import math
import os
import sys

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, "..", ".."))
DEFAULT_CSV = os.path.join(HERE, "..", "..", "astronomy", "tests", "data", "phases_de431.csv")
DEFAULT_OUT = os.path.join(REPO, "astronomy", "src", "aa", "MoonPhaseFit.inc")

SYNODIC_MONTH = 29.530588861
EPOCH = 2451550.09766
DEG = math.pi / 180.0
DAY_S = 86400.0

# Planetary arguments A1..A14: {constant, rate per lunation, amplitude} as in MoonPhaseSeries.cpp.
PLANETARY = [
    (299.77, 0.107408, 0.000325), (251.88, 0.016321, 0.000165), (251.83, 26.651886, 0.000164),
    (349.42, 36.412478, 0.000126), (84.66, 18.206239, 0.000110), (141.74, 53.303771, 0.000062),
    (207.14, 2.453732, 0.000060), (154.84, 7.306860, 0.000056), (34.52, 27.261239, 0.000047),
    (207.19, 0.121824, 0.000042), (291.34, 1.844379, 0.000040), (161.72, 24.198154, 0.000037),
    (239.56, 25.513099, 0.000035), (331.55, 3.592518, 0.000023),
]


# --- Port of MoonPhaseSeries.cpp (vectorised over k) -------------------------------------------

def mean_phase_jde(k):
    t = k / 1236.85
    return EPOCH + SYNODIC_MONTH * k + t * t * (0.00015437 + t * (-0.000000150 + t * 0.00000000073))


def fundamental_args(k):
    """M, M', F, Omega in degrees, exactly as meeusTruePhaseJde computes them."""
    t = k / 1236.85
    t2 = t * t
    t3 = t2 * t
    t4 = t3 * t
    m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3
    mp = 201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4
    f = 160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4
    om = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3
    return m, mp, f, om


def planetary_arg(k, index):
    """A1..A14 (index 1-based) in degrees; A1 carries its -0.009173 T^2 term."""
    a0, a1, _ = PLANETARY[index - 1]
    a = a0 + a1 * k
    if index == 1:
        t = k / 1236.85
        a = a - 0.009173 * t * t
    return a


def phase_of(k):
    frac = k - np.floor(k)
    return np.rint(frac * 4.0).astype(int) % 4


def true_phase_jde(k):
    k = np.asarray(k, dtype=float)
    t = k / 1236.85
    t2 = t * t
    e = 1.0 - 0.002516 * t - 0.0000074 * t2
    e2 = e * e
    m, mp, f, om = fundamental_args(k)
    phase = phase_of(k)

    def s(x):
        return np.sin(x * DEG)

    def co(x):
        return np.cos(x * DEG)

    full = phase == 2
    sel = lambda a, b: np.where(full, a, b)  # noqa: E731
    c_nf = (sel(-0.40614, -0.40720) * s(mp)
            + sel(0.17302, 0.17241) * e * s(m)
            + sel(0.01614, 0.01608) * s(2 * mp)
            + sel(0.01043, 0.01039) * s(2 * f)
            + sel(0.00734, 0.00739) * e * s(mp - m)
            + sel(-0.00515, -0.00514) * e * s(mp + m)
            + sel(0.00209, 0.00208) * e2 * s(2 * m)
            - 0.00111 * s(mp - 2 * f)
            - 0.00057 * s(mp + 2 * f)
            + 0.00056 * e * s(2 * mp + m)
            - 0.00042 * s(3 * mp)
            + 0.00042 * e * s(m + 2 * f)
            + 0.00038 * e * s(m - 2 * f)
            - 0.00024 * e * s(2 * mp - m)
            - 0.00017 * s(om)
            - 0.00007 * s(mp + 2 * m)
            + 0.00004 * s(2 * mp - 2 * f)
            + 0.00004 * s(3 * m)
            + 0.00003 * s(mp + m - 2 * f)
            + 0.00003 * s(2 * mp + 2 * f)
            - 0.00003 * s(mp + m + 2 * f)
            + 0.00003 * s(mp - m + 2 * f)
            - 0.00002 * s(mp - m - 2 * f)
            - 0.00002 * s(3 * mp + m)
            + 0.00002 * s(4 * mp))
    c_q = (-0.62801 * s(mp)
           + 0.17172 * e * s(m)
           - 0.01183 * e * s(mp + m)
           + 0.00862 * s(2 * mp)
           + 0.00804 * s(2 * f)
           + 0.00454 * e * s(mp - m)
           + 0.00204 * e2 * s(2 * m)
           - 0.00180 * s(mp - 2 * f)
           - 0.00070 * s(mp + 2 * f)
           - 0.00040 * s(3 * mp)
           - 0.00034 * e * s(2 * mp - m)
           + 0.00032 * e * s(m + 2 * f)
           + 0.00032 * e * s(m - 2 * f)
           - 0.00028 * e2 * s(mp + 2 * m)
           + 0.00027 * e * s(2 * mp + m)
           - 0.00017 * s(om)
           - 0.00005 * s(mp - m - 2 * f)
           + 0.00004 * s(2 * mp + 2 * f)
           - 0.00004 * s(mp + m + 2 * f)
           + 0.00004 * s(mp - 2 * m)
           + 0.00003 * s(mp + m - 2 * f)
           + 0.00003 * s(3 * m)
           + 0.00002 * s(2 * mp - 2 * f)
           + 0.00002 * s(mp - m + 2 * f)
           - 0.00002 * s(3 * mp + m))
    w = (0.00306 - 0.00038 * e * co(m) + 0.00026 * co(mp) - 0.00002 * co(mp - m)
         + 0.00002 * co(mp + m) + 0.00002 * co(2 * f))
    c_q = c_q + np.where(phase == 1, w, -w)
    c = np.where((phase == 0) | (phase == 2), c_nf, c_q)
    for i in range(1, 15):
        c = c + PLANETARY[i - 1][2] * s(planetary_arg(k, i))
    return mean_phase_jde(k) + c


# --- Fit ---------------------------------------------------------------------------------------

def splitmix64(x):
    """Stateless 64-bit hash: a held-out split that does not depend on the numpy version."""
    x = (x + 0x9E3779B97F4A7C15) & 0xFFFFFFFFFFFFFFFF
    x = ((x ^ (x >> 30)) * 0xBF58476D1CE4E5B9) & 0xFFFFFFFFFFFFFFFF
    x = ((x ^ (x >> 27)) * 0x94D049BB133111EB) & 0xFFFFFFFFFFFFFFFF
    return x ^ (x >> 31)


def load_reference(path):
    phases, jds = [], []
    with open(path) as fh:
        for line in fh:
            line = line.strip()
            if not line or line.startswith("#") or line.startswith("phase"):
                continue
            p, jd = line.split(",")[:2]
            phases.append(int(p))
            jds.append(float(jd))
    return np.array(phases), np.array(jds)


def candidates(max_order, max_planet_order):
    """Argument multipliers (iM, iM', iF, iOmega, planet). Lunar-only arguments keep one sign of
    each +-pair; a planetary argument always enters with +1, combined with lunar arguments of
    either sign."""
    out = []
    for i, j, f, o in itertools.product(range(-3, 4), range(-5, 6), (-4, -2, 0, 2, 4), range(-2, 3)):
        v = (i, j, f, o)
        order = abs(i) + abs(j) + abs(f) + abs(o)
        if v == (0, 0, 0, 0):
            for p in range(1, 15):
                out.append((0, 0, 0, 0, p))
            continue
        if order <= max_order and next(x for x in v if x != 0) > 0:  # sin/cos of -x span the same pair
            out.append((i, j, f, o, 0))
        if order <= max_planet_order:
            for p in range(1, 15):
                out.append((i, j, f, o, p))
    return out


def argument(term, k, fund):
    """Degrees: iM*M + iM'*M' + iF*F + iOmega*Omega (+ A_planet)."""
    i, j, f, o, p = term
    m, mp, ff, om = fund
    a = i * m + j * mp + f * ff + o * om
    if p:
        a = a + planetary_arg(k, p)
    return a


RATES = (29.10535670, 385.81693528, 390.67050284, -1.56375588)


def sampled_rate(term):
    """Degrees per lunation seen by one phase type, folded to [0, 180]: the phase instants
    sample each argument once a lunation, so only this aliased rate is observable."""
    i, j, f, o, p = term
    r = i * RATES[0] + j * RATES[1] + f * RATES[2] + o * RATES[3]
    if p:
        r += PLANETARY[p - 1][1]
    r = math.fmod(r, 360.0)
    if r < 0:
        r += 360.0
    return min(r, 360.0 - r)


def design(terms, k, fund):
    t = k / 1236.85
    cols = [np.ones_like(k), t]
    for term in terms:
        a = argument(term, k, fund) * DEG
        cols.append(np.sin(a))
        cols.append(np.cos(a))
    return np.column_stack(cols)


def stats(res_days):
    s = np.abs(res_days) * DAY_S
    return (math.sqrt(np.mean(s * s)), float(np.percentile(s, 99)), float(s.max()))


def fmt(st):
    return "RMS %.2f s, p99 %.2f s, max %.2f s" % st


def forward_select(k, r, train, fund, cands, max_terms, min_sep):
    """Orthogonal matching pursuit over sin/cos pairs; returns the selection path."""
    kt, rt = k[train], r[train]
    fund_t = tuple(x[train] for x in fund)
    # Candidate columns on the training rows, kept orthogonal to everything chosen so far.
    args = np.column_stack([argument(c, kt, fund_t) for c in cands]) * DEG
    xs, xc = np.sin(args), np.cos(args)
    del args
    q, _ = np.linalg.qr(design([], kt, fund_t))
    basis = [q[:, 0], q[:, 1]]

    def deflate(u):
        nonlocal resid, xs, xc
        xs -= np.outer(u, u @ xs)
        xc -= np.outer(u, u @ xc)
        resid = resid - u * (u @ resid)

    resid = rt.copy()
    for u in basis:
        deflate(u)
    chosen = []
    # Arguments whose sampled rates are closer than min_sep (to each other, or to zero where the
    # polynomial already lives) cannot be told apart over the span and only trade huge,
    # cancelling amplitudes.
    rates = np.array([sampled_rate(c) for c in cands])
    available = rates >= min_sep
    path = []
    for _ in range(max_terms):
        g11 = np.einsum("nc,nc->c", xs, xs)
        g22 = np.einsum("nc,nc->c", xc, xc)
        g12 = np.einsum("nc,nc->c", xs, xc)
        b1 = resid @ xs
        b2 = resid @ xc
        det = g11 * g22 - g12 * g12
        ok = available & (det > 1e-6 * len(kt) ** 2)
        gain = np.where(ok, (g22 * b1 * b1 - 2 * g12 * b1 * b2 + g11 * b2 * b2) / np.where(ok, det, 1.0), -1.0)
        best = int(np.argmax(gain))
        if gain[best] <= 0:
            break
        chosen.append(cands[best])
        available &= np.abs(rates - rates[best]) >= min_sep
        for col in (xs[:, best].copy(), xc[:, best].copy()):
            for u in basis:  # second Gram-Schmidt pass against round-off
                col -= u * (u @ col)
            u = col / np.linalg.norm(col)
            basis.append(u)
            deflate(u)
        path.append(list(chosen))
    return path


def solve(terms, k, r, fund):
    A = design(terms, k, fund)
    coef, *_ = np.linalg.lstsq(A, r, rcond=None)
    return coef


def predict(terms, coef, k, fund):
    return design(terms, k, fund) @ coef


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--csv", default=DEFAULT_CSV)
    ap.add_argument("--out", default=DEFAULT_OUT)
    ap.add_argument("--max-terms", type=int, default=60)
    ap.add_argument("--max-order", type=int, default=6, help="max |iM|+|iM'|+|iF|+|iOmega| of a candidate")
    ap.add_argument("--max-planet-order", type=int, default=5,
                    help="max order of the lunar part combined with a planetary argument")
    ap.add_argument("--min-sep", type=float, default=0.146,
                    help="min difference of sampled rates, deg/lunation (360/lunations in the span)")
    ap.add_argument("--tolerance", type=float, default=0.005,
                    help="stop at the first term count within this fraction of the best held-out RMS")
    ap.add_argument("--dump-k", metavar="FILE", help="write k and meeusTruePhaseJde(k) for every row, then exit")
    args = ap.parse_args()

    # Port check against values computed with the C++ engine.
    for kk, want in ((-283.0, 2443192.65118), (544.75, 2467636.49186)):
        got = float(true_phase_jde(np.array([kk]))[0])
        if abs(got - want) > 1e-5:
            sys.exit("port mismatch at k=%g: %.6f vs %.6f" % (kk, got, want))

    phase_col, jd = load_reference(args.csv)
    k = np.rint(4.0 * (jd - EPOCH) / SYNODIC_MONTH) / 4.0
    if np.any(phase_of(k) != phase_col):
        sys.exit("phase column disagrees with k for %d rows" % int(np.sum(phase_of(k) != phase_col)))
    if len(np.unique(k)) != len(k):
        sys.exit("duplicate k in reference")
    jde = true_phase_jde(k)
    if args.dump_k:
        with open(args.dump_k, "w") as fh:
            for kk, jj in zip(k, jde):
                fh.write("%.2f %.9f\n" % (kk, jj))
        return
    r = jd - jde
    fund = fundamental_args(k)
    # A hashed quarter of the lunations is held out (all four phases of each). A regular pattern
    # (every fourth lunation) would see arguments advancing ~90 deg a lunation as constants.
    held = np.array([splitmix64(int(n)) >> 62 == 0 for n in np.floor(k)])
    train = ~held
    cands = candidates(args.max_order, args.max_planet_order)
    print("%d rows (%d fitted, %d held out), %d candidate arguments"
          % (len(k), train.sum(), held.sum(), len(cands)))

    names = ["new moon", "first quarter", "full moon", "last quarter"]
    fitted_held = np.zeros_like(r)  # corrections from the training-only fit
    fitted_all = np.zeros_like(r)   # corrections from the emitted coefficients
    emitted_terms, emitted_poly = [], []
    for p in range(4):
        rows = phase_col == p
        kp, rp, fp = k[rows], r[rows], tuple(x[rows] for x in fund)
        tr, ho = train[rows], held[rows]
        path = forward_select(kp, rp, tr, fp, cands, args.max_terms, args.min_sep)
        fp_tr = tuple(x[tr] for x in fp)
        fp_ho = tuple(x[ho] for x in fp)
        curve = []
        for terms in [[]] + path:
            coef = solve(terms, kp[tr], rp[tr], fp_tr)
            curve.append(stats(rp[ho] - predict(terms, coef, kp[ho], fp_ho))[0])
        best = min(curve)
        n = next(i for i, v in enumerate(curve) if v <= best * (1 + args.tolerance))
        terms = path[n - 1] if n else []
        print("\n%s: held-out RMS by term count: %s" % (names[p], " ".join("%.2f" % v for v in curve)))
        print("  keeping %d terms (best %.3f s at %d)" % (n, best, curve.index(best)))
        coef_tr = solve(terms, kp[tr], rp[tr], fp_tr)
        fitted_held[np.flatnonzero(rows)[ho]] = predict(terms, coef_tr, kp[ho], fp_ho)
        # Emitted coefficients use every row once the terms are chosen.
        coef = solve(terms, kp, rp, fp)
        fitted_all[rows] = predict(terms, coef, kp, fp)
        emitted_poly.append((p, coef[0], coef[1]))
        for idx, term in enumerate(terms):
            sc, cc = coef[2 + 2 * idx], coef[3 + 2 * idx]
            emitted_terms.append((p,) + term + (sc, cc))
            print("  %-22s rate %7.3f deg/lunation  s=%+.3e c=%+.3e  amplitude %.2f s"
                  % (term, sampled_rate(term), sc, cc, math.hypot(sc, cc) * DAY_S))

    before_all, after_all = stats(r), stats(r - fitted_all)
    before_ho, after_ho = stats(r[held]), stats(r[held] - fitted_held[held])
    print("\nheld out, before: %s" % fmt(before_ho))
    print("held out, after (fit without these rows): %s" % fmt(after_ho))
    print("all rows, before: %s" % fmt(before_all))
    print("all rows, after (emitted coefficients): %s" % fmt(after_all))
    for p in range(4):
        rows = phase_col == p
        print("  %-14s before %s | after %s" % (names[p], fmt(stats(r[rows])), fmt(stats(r[rows] - fitted_all[rows]))))

    with open(args.out, "w", encoding="utf-8") as fh:
        fh.write("// SPDX-License-Identifier: MIT\n")
        fh.write("// Generated by tools/fit-phases/fit_phase_terms.py \u2014 do not edit. Extra terms of the true-phase\n")
        fh.write("// series fitted to DE431 phase instants, 1901\u20132099 (RMS before/after: %.1f s / %.1f s).\n"
                 % (before_all[0], after_all[0]))
        fh.write("// {phase type, iM, iM', iF, iOmega, planet, sin coefficient, cos coefficient}\n")
        fh.write("static constexpr PhaseFitTerm kPhaseFitTerms[] = {\n")
        for p, i, j, f, o, pl, s, c in emitted_terms:
            fh.write("    {%d, %d, %d, %d, %d, %d, %r, %r},\n" % (p, i, j, f, o, pl, float(s), float(c)))
        fh.write("};\n")
        fh.write("// {phase type, a0, a1} with correction a0 + a1*T\n")
        fh.write("static constexpr PhaseFitPolynomial kPhaseFitPolynomials[] = {\n")
        for p, a0, a1 in emitted_poly:
            fh.write("    {%d, %r, %r},\n" % (p, float(a0), float(a1)))
        fh.write("};\n")
    print("\nwrote %s (%d terms)" % (args.out, len(emitted_terms)))


if __name__ == "__main__":
    main()
