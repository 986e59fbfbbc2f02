#include "tools/module_maker/module_text.h"

#include <cstdio>

namespace {

constexpr const char* LINE_END = "\r\n";

// Keys every View save writes into "items" with one blank; nothing reads them.
const char* const BLANK_ITEMS_KEYS[] = {
    "test",    "test2",   "test3",   "test4",   "test5", "test6",   "domain", "name",   "legend",
    "legenda", "legendb", "legendc", "legends", "netid", "referer", "reject", "custom", "reject1"};

class SectionWriter {
  public:
    SectionWriter(std::string* text, const char* name) : text_(text) {
        *text_ += std::string("[") + name + "]  " + LINE_END;
    }
    ~SectionWriter() { *text_ += LINE_END; }

    void text(const char* key, const std::string& value) {
        *text_ += std::string(key) + "=" + value + LINE_END;
    }
    void integer(const char* key, int value) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%d", value);
        text(key, buffer);
    }
    void real(const char* key, float value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(value));
        text(key, buffer);
    }
    void on_off(const char* key, bool value) { text(key, value ? "on" : "off"); }

  private:
    std::string* text_;
};

void write_items(std::string* text, const ModuleRecipe& recipe) {
    SectionWriter items(text, "items");
    items.text("shell0", recipe.image.empty() ? "" : "images\\" + recipe.image + ".TGA");
    items.integer("balls1", recipe.backdrop_mode);
    items.integer("reshape", recipe.reshape);
    for (const char* key : BLANK_ITEMS_KEYS) items.text(key, " ");
}

// Keys in the order a View save appends them to a fresh section.
void write_view(std::string* text, const char* name, const View& v, const uint8_t star0[6]) {
    SectionWriter s(text, name);
    s.real("xcx", v.xcx);
    s.real("xcy", v.xcy);
    s.real("xcz", v.xcz);
    s.real("fsdx", v.fsdx);
    s.real("fsdy", v.fsdy);
    s.real("fsdz", v.fsdz);
    s.real("fsvx", v.fsvx);
    s.real("fsvy", v.fsvy);
    s.real("fsvz", v.fsvz);
    const char* const dplot_keys[6] = {"dplot", "dplot1", "dplot2", "dplot4", "dplot5", "dplot6"};
    for (int plane = 0; plane < 6; ++plane) s.integer(dplot_keys[plane], star0[plane]);
    s.real("fsxx", v.fsxx);
    s.real("fsyy", v.fsyy);
    s.real("xtx1", v.xtx1);
    s.real("spin", v.spin);
    s.real("spin1", v.spin1);
    s.real("spin2", v.spin2);

    s.integer("track1", v.track1);
    s.integer("track2", v.track2);
    s.integer("track3", v.track3);
    s.integer("track4", v.track4);
    s.integer("track4a", v.track4a);
    s.integer("track4b", v.track4b);
    s.integer("track5", v.track5);
    s.integer("track6", v.track6);
    s.integer("track7", v.track7);
    s.integer("track8", v.track8);
    s.real("track9zq", v.track9zq);
    s.real("track9z", v.track9z);
    s.real("track9", v.track9);
    s.real("track10", v.track10);
    s.real("track13", v.track13);
    s.integer("track20", v.track20);
    s.integer("track20a", v.track20a);
    s.integer("track20b", v.track20b);
    s.integer("track20c", v.track20c);
    s.integer("track20d", v.track20d);
    s.integer("track20e", v.track20e);
    s.integer("track20f", v.track20f);
    s.integer("track20f1", v.track20f1);
    s.integer("track20f2", v.track20f2);
    s.integer("track20f3", v.track20f3);
    s.integer("track20g", v.track20g);
    s.integer("track20h", v.track20h);
    s.integer("track20i", v.track20i);
    s.integer("track20j", v.track20j);
    s.integer("track20jx", v.track20jx);
    s.integer("track20k", v.track20k);
    s.integer("track20l", v.track20l);
    s.integer("track20m", v.track20m);
    s.integer("fov", v.fov);
    s.real("digitsize", v.digitsize);
    s.integer("vista", v.vista);
    s.integer("titlelen", v.titlelen);
    s.integer("titlelenx", v.titlelenx);
    s.integer("backcolor", v.backcolor);

    s.integer("sphere2", v.sphere2);
    s.integer("sphere1", v.sphere1);
    s.integer("triang", v.triang + 1); // digits 0..3 stand for sizes -1..2
    s.integer("colormode", v.colormode);
    s.integer("xcolormode", v.xcolormode);
    s.integer("plot", v.plot);
    s.integer("balls", v.balls);

    s.on_off("plotspeed", v.plotspeed);
    s.on_off("dig", v.dig);
    s.on_off("xfloor", v.xfloor);
    s.on_off("shortmode", v.shortmode);
    s.on_off("cloak", v.cloak);
    s.on_off("ring", v.ring);
    s.on_off("barsx", v.barsx);
    s.on_off("barsx1", v.barsx1);
    s.on_off("barsx2", v.barsx2);
    s.on_off("barsx3", v.barsx3);
    s.on_off("bars", v.bars);
    s.on_off("mettype", v.mettype);
    s.on_off("flat", v.flat);
    s.on_off("tracking", v.tracking);
    s.on_off("backflag", v.backflag);
    s.on_off("sizeflag", v.sizeflag);

    s.integer("xcursor", v.xcursor);
    s.integer("ycursor", v.ycursor);
    s.integer("zcursor", v.zcursor);
    s.integer("curseout", v.curseout);
    s.integer("curseoutx", v.curseoutx);
    s.integer("cursestart", v.cursestart);
    s.integer("titlecull", 0);
}

} // namespace

std::string module_text(const ModuleRecipe& recipe, const uint8_t star0[6]) {
    std::string text;
    write_items(&text, recipe);
    for (int i = 0; i < 8; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "%d", 2000 + i);
        write_view(&text, name, recipe.views[i], star0);
    }
    return text;
}
