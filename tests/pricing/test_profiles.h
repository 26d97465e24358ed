// Small helpers to write usage profiles in tests.
#pragma once

#include <string>

#include "core/profile.h"
#include "pricing/engine.h"

namespace sazbar::test {

struct P {
    Profile p;
    P& calls(Row r, int peak, int aft = 0, int eve = 0, int wk = 0) {
        p.matrix[Peak][r] = peak;
        p.matrix[Afternoon][r] = aft;
        p.matrix[Evening][r] = eve;
        p.matrix[Weekend][r] = wk;
        return *this;
    }
    P& sms(int tm, int et = 0, int osk = 0) {
        p.matrix[kSmsToTMobile][Messages] = tm;
        p.matrix[kSmsToEurotel][Messages] = et;
        p.matrix[kSmsToOskar][Messages] = osk;
        return *this;
    }
    P& mms(int n) {
        p.matrix[kMms][Messages] = n;
        return *this;
    }
    P& wap(int peak, int aft = 0, int eve = 0, int wk = 0) {
        p.wap = {peak, aft, eve, wk};
        return *this;
    }
    P& gprs(int wapKb, int netKb) {
        p.gprsWap = wapKb;
        p.gprsNet = netKb;
        return *this;
    }
    P& intl(int row, int country, int peak, int aft = 0, int eveWk = 0) {
        p.intl[row] = {country, peak, aft, eveWk};
        return *this;
    }
    P& internetCalls(bool on = true) {
        p.internetCalls = on;
        return *this;
    }
    operator const Profile&() const { return p; }
};

inline std::string lines(std::initializer_list<const char*> parts) {
    std::string s;
    for (const char* part : parts) {
        if (!s.empty()) s += "\n\r";
        s += part;
    }
    return s;
}

}  // namespace sazbar::test
