#include "app/DetailSettingsStore.h"

#include <optional>

#include "components/RegApp.h"

namespace rytmalo {
namespace {

// The store open around several accesses, closed again whatever happens.
class OpenStore {
public:
    explicit OpenStore(TRegApp& store) : store_(store), wasActive_(store.Active()) {
        store_.SetActive(true);
    }
    ~OpenStore() {
        if (!wasActive_) store_.SetActive(false);
    }
    OpenStore(const OpenStore&) = delete;
    OpenStore& operator=(const OpenStore&) = delete;

private:
    TRegApp& store_;
    bool wasActive_;
};

enum class Stored { Absent, Good, Bad };

// A value that cannot be read as a number (its type) is as bad as one out
// of range.
Stored Read(TRegApp& store, const SettingRow& row, std::int32_t& value) {
    try {
        if (!store.HasValue(row.name)) return Stored::Absent;
        value = store.ReadIntegerValue(row.name);
    } catch (const ERegistryException&) {
        return Stored::Bad;
    }
    return row.takes(value) ? Stored::Good : Stored::Bad;
}

}  // namespace

StoredSettings ReadDetailSettings(TRegApp& store) {
    const OpenStore open(store);
    StoredSettings read;
    std::vector<const SettingRow*> bad;
    for (const SettingRow& row : DetailSettingRows()) {
        std::int32_t value = 0;
        switch (Read(store, row, value)) {
            case Stored::Good: row.set(read.settings, value); break;
            case Stored::Bad: bad.push_back(&row); break;
            case Stored::Absent: break;
        }
    }
    read.reset = WholeGroups(bad);
    for (const SettingRow* row : read.reset) row->set(read.settings, DefaultOf(*row));
    return read;
}

void StoreDefaults(TRegApp& store, const std::vector<const SettingRow*>& reset) {
    if (reset.empty()) return;
    const OpenStore open(store);
    for (const SettingRow* row : reset) store.WriteIntegerValue(row->name, DefaultOf(*row));
}

void SaveSetting(TRegApp& store, const SettingRow& row, std::int32_t value) {
    const OpenStore open(store);
    store.WriteIntegerValue(row.name, value);
}

void SaveDetailSettings(TRegApp& store, const DetailSettings& before, const DetailSettings& after) {
    const std::vector<const SettingRow*> changed = ChangedRows(before, after);
    if (changed.empty()) return;
    const OpenStore open(store);
    for (const SettingRow* row : changed) store.WriteIntegerValue(row->name, row->get(after));
}

}  // namespace rytmalo
