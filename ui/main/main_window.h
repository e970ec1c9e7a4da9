// The main window: the record list with its count, the sidebar commands,
// the keyword search, the status-bar clock, hiding to the notification area,
// the pop-up menu over the list and the desktop shortcut. It owns the
// database connection from its creation until it is destroyed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <windows.h>
#include <shellapi.h>

#include "records/connection.h"
#include "ui/common/controls.h"
#include "ui/common/scoped.h"
#include "ui/common/window.h"
#include "ui/main/record_list.h"

namespace ui {

class MainWindow : public Window {
public:
    enum Id {
        kBanner = 201,
        kBannerTitle,
        kUpdateStatus,  // holds the fetched update status text, out of sight
        kSidebar,
        kSidebarHeader,
        kSidebarHeaderText,
        kAdd,
        kEdit,
        kDelete,
        kShowAll,
        kTransfer,
        kPrint,
        kPassword,
        kListFrame,
        kList,
        kCount,
        kSearchBox,
        kSearch,
        kHide,
        kAnnouncement,
        kStatusBar,
        // pop-up menu commands
        kMenuEdit = 301,
        kMenuDelete,
        kMenuPrint,
        kMenuAbout,
        kMenuUpdate,
        kMenuWebSite,
    };
    static constexpr UINT kTrayMessage = WM_APP + 1;
    static constexpr UINT kTrayIconId = 1;
    static constexpr UINT_PTR kClockTimer = 1;

    // What the window opens or runs elsewhere. Each may be left empty until
    // the window it opens exists.
    struct Actions {
        std::function<void()> openAddForm;
        std::function<void()> openEditForm;  // after the remembered row is stored
        std::function<void(HWND owner)> openPasswordWindow;
        std::function<void(HWND owner)> openTransferWindow;
        std::function<void(HWND owner)> openAnnouncementWindow;
        std::function<void()> checkForUpdate;
    };

    // `databasePath` is the file the window opens when it is created.
    MainWindow(std::int32_t& rememberedRow, std::string databasePath, Actions actions);
    ~MainWindow() override { destroy(); }  // while this is still a MainWindow, so its clean-up runs
    bool create();

    HWND control(int id) const { return controls_[id]; }
    RecordList& list() { return list_; }
    records::Connection& database() { return db_; }
    void setCountText(const std::string& text);

    void fullListing();
    void search();
    bool trayIconShown() const { return trayShown_; }

protected:
    LRESULT onMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void onDestroyed() override;

private:
    struct ListingRun {
        bool stopped = false;
    };

    bool onCreate();
    void onCommand(int id);
    LRESULT onNotify(const NMHDR* n);
    void onClock();
    void onTray(LPARAM event);
    void onShowWindow(bool shown);
    void onDestroy();

    void edit(const char* noSelectionText);
    void deleteSelected();
    void print();
    void about();
    void openWebSite();
    void hide();
    NOTIFYICONDATAA trayData() const;
    void removeTrayIcon();
    void showPopupMenu();
    void stopRunningListing();
    bool pumpPendingEvents();

    std::int32_t& rememberedRow_;
    std::string databasePath_;
    Actions actions_;
    Controls controls_;
    RecordList list_;
    records::Connection db_;
    ScopedBitmap banner_;
    ScopedBitmap sidebarHeader_;
    ScopedMenu menu_;
    ScopedIcon trayIcon_;
    bool trayShown_ = false;
    ListingRun* runningListing_ = nullptr;
};

}  // namespace ui
