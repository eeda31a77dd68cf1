# Keeps the layers apart, run by the test command:
#   cmake -DSOURCE_DIR=<repo>/src -P check_core_purity.cmake
# 1. Core files (every folder under src/ except ui/ folders, window/ and app/)
#    include no Qt Widgets or Qt PrintSupport header.
# 2. Only window/ and app/ include the main window's folder: a ui/ folder gets
#    what it needs through the command context.
# 3. A core folder's source lists name no widget sources, and a widget folder's
#    lists no core sources.
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR not set")
endif()

# Headers of the two widget modules: the module includes themselves and every
# class header that either module provides.
set(widget_modules QtWidgets QtPrintSupport)
set(widget_classes
    QAbstractButton QAbstractItemView QAbstractScrollArea QAbstractSlider QAbstractSpinBox
    QAction QActionGroup QApplication QBoxLayout QButtonGroup QCheckBox QColorDialog
    QComboBox QDesktopWidget QDialog QDialogButtonBox QDockWidget QDoubleSpinBox QFileDialog
    QFontDialog QFormLayout QFrame QGraphicsView QGridLayout QGroupBox QHBoxLayout
    QHeaderView QInputDialog QLabel QLayout QLineEdit QListView QListWidget QMainWindow
    QMenu QMenuBar QMessageBox QPageSetupDialog QPlainTextEdit QPrintDialog
    QPrintPreviewDialog QPrintPreviewWidget QPrinter QPrinterInfo QProgressBar
    QProgressDialog QPushButton QRadioButton QScrollArea QScrollBar QSizePolicy QSlider
    QSpinBox QSplitter QStackedWidget QStatusBar QStyle QStyleOption QStyledItemDelegate
    QTabBar QTabWidget QTableView QTableWidget QTextBrowser QTextEdit QToolBar QToolButton
    QToolTip QTreeView QTreeWidget QVBoxLayout QWidget QWidgetAction QWizard)
list(JOIN widget_modules "|" modules_re)
list(JOIN widget_classes "|" classes_re)
set(widget_include_re
    "#[ \t]*include[ \t]*<((${modules_re})(/[A-Za-z_.]+)?|(${classes_re}))>")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.cmake)
set(faults)
foreach(rel ${sources})
    set(widget_side FALSE)
    if(rel MATCHES "(^|/)ui/" OR rel MATCHES "^(window|app)/")
        set(widget_side TRUE)
    endif()
    file(STRINGS ${SOURCE_DIR}/${rel} lines)
    foreach(line IN LISTS lines)
        if(rel MATCHES "\\.cmake$")
            if(NOT widget_side AND line MATCHES "HM_UI_(SOURCES|RESOURCES)")
                list(APPEND faults "${rel}: a core folder lists widget sources")
            elseif(widget_side AND line MATCHES "HM_CORE_(SOURCES|RESOURCES)")
                list(APPEND faults "${rel}: a widget folder lists core sources")
            endif()
            continue()
        endif()
        if(NOT widget_side AND line MATCHES "${widget_include_re}")
            list(APPEND faults "${rel}: core file includes widget header <${CMAKE_MATCH_1}>")
        endif()
        if(NOT rel MATCHES "^(window|app)/" AND line MATCHES "#[ \t]*include[ \t]*\"window/")
            list(APPEND faults "${rel}: includes the main window's folder: ${line}")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Layer check failed:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "Layer check: ${count} files, no faults")
