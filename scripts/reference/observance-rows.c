/* Reference rows for the observances of one year at one place, from the Swiss
 * Ephemeris (Debian libswe-dev and swe-basic-data): new and full moons
 * (apparent geocentric elongation 0 and 180 degrees), sankrantis (the Sun's
 * sidereal longitude, Lahiri ayanamsa, crossing a multiple of 30 degrees),
 * and for each date the tithi at sunrise (upper limb, standard refraction)
 * with the tithis that begin and end between that sunrise and the next.
 * Built and run by scripts/make-observance-rows; never part of the program.
 *
 *   observance-rows YEAR LATITUDE LONGITUDE
 * prints lines
 *   phase,full|new,JD_UT
 *   sankranti,SIGN(0..11),JD_UT
 *   day,YYYY-MM-DD,SUNRISE_JD_UT,TITHI_AT_SUNRISE,KSHAYA_TITHI(0 when none)
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <swephexp.h>

static double Longitude(double jdUt, int body, int flags) {
    double xx[6];
    char err[AS_MAXCH];
    if (swe_calc_ut(jdUt, body, flags, xx, err) < 0) {
        fprintf(stderr, "%s\n", err);
        exit(1);
    }
    return xx[0];
}

static double Elongation(double jdUt) {
    double e = Longitude(jdUt, SE_MOON, SEFLG_SWIEPH) - Longitude(jdUt, SE_SUN, SEFLG_SWIEPH);
    return fmod(fmod(e, 360.0) + 360.0, 360.0);
}

static double SiderealSun(double jdUt) { return Longitude(jdUt, SE_SUN, SEFLG_SWIEPH | SEFLG_SIDEREAL); }

/* Angle `f` relative to `target`, wrapped into -180..180. */
static double Off(double value, double target) {
    double d = fmod(value - target + 540.0, 360.0) - 180.0;
    return d;
}

/* The moment in [a, b] where f crosses target, by bisection (f increasing). */
static double Crossing(double (*f)(double), double target, double a, double b) {
    for (int i = 0; i < 60; ++i) {
        double m = (a + b) / 2;
        if (Off(f(m), target) < 0) a = m; else b = m;
    }
    return (a + b) / 2;
}

static int TithiAt(double jdUt) { return (int)floor(Elongation(jdUt) / 12.0) + 1; }

static double Sunrise(double jdUtFrom, double lat, double lon) {
    double geo[3] = {lon, lat, 0}, t = 0;
    char err[AS_MAXCH];
    if (swe_rise_trans(jdUtFrom, SE_SUN, NULL, SEFLG_SWIEPH, SE_CALC_RISE, geo, 1013.25, 15, &t, err) < 0) {
        fprintf(stderr, "%s\n", err);
        exit(1);
    }
    return t;
}

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    int year = atoi(argv[1]);
    double lat = atof(argv[2]), lon = atof(argv[3]);
    swe_set_ephe_path("/usr/share/libswe/ephe");
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    double first = swe_julday(year, 1, 1, 0, SE_GREG_CAL);
    double last = swe_julday(year + 1, 1, 1, 0, SE_GREG_CAL);
    /* Events by the UT date of their moment. */
    for (double t = first; t < last; t += 0.25) {
        double a = Elongation(t), b = Elongation(t + 0.25);
        if (b < a) printf("phase,new,%.6f\n", Crossing(Elongation, 0, t, t + 0.25));
        if (a < 180 && b >= 180) printf("phase,full,%.6f\n", Crossing(Elongation, 180, t, t + 0.25));
        double s = SiderealSun(t), u = SiderealSun(t + 0.25);
        if (floor(u / 30) != floor(s / 30)) {
            int sign = (int)floor(u / 30) % 12;
            printf("sankranti,%d,%.6f\n", sign, Crossing(SiderealSun, sign * 30.0, t, t + 0.25));
        }
    }
    /* Sunrise of each date: the first rising after local midnight (the
     * place's mean time is near enough for the search's start). */
    for (double d = first; d < last; d += 1) {
        double midnight = d - lon / 360.0;
        double rise = Sunrise(midnight, lat, lon);
        double next = Sunrise(midnight + 1, lat, lon);
        int atRise = TithiAt(rise), atNext = TithiAt(next);
        int lost = 0;
        /* Two steps between the sunrises: the tithi in between never held a sunrise. */
        if ((atNext - atRise + 30) % 30 == 2) lost = atRise % 30 + 1;
        int y, m, dd;
        double h;
        swe_revjul(d, SE_GREG_CAL, &y, &m, &dd, &h);
        printf("day,%04d-%02d-%02d,%.6f,%d,%d\n", y, m, dd, rise, atRise, lost);
    }
    swe_close();
    return 0;
}
