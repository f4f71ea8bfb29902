#pragma once

#include <QPointer>

#include "core/files/qvedioinfo.h"
#include "core/inspection/cdefectitem.h"
#include "gui/chrome/waitview.h"
#include "gui/pages/qpagechild.h"

class CDefectEditor;
class CFileRTV;
class QAddVedioThread;
class QLabel;
class QLineEdit;
class QSwitchRTVFileThread;

// The video page (type 1): the current project's videos page by page. Imports videos on a
// worker thread behind a modal wait view, makes the selected video's RTV file the
// application's current inspection file (read on a worker thread), deletes videos with
// their folders, and offers an interpretation tool the operations on the current video:
// insert, update and delete a defect, update the pipe data, go to the previous/next video.
//
// The application's inspection file (CKLN_TQ420Setting) is used by one thread at a time:
// the workers while the wait view blocks the page, the GUI thread otherwise.
class QPageVedioInfo : public QPageChild
{
    Q_OBJECT

public:
    static constexpr int kKeyColumn = 10;
    static constexpr int kVideoPathColumn = 4;
    static constexpr int kProjectKeyColumn = 11;

    explicit QPageVedioInfo(QWidget *parent = nullptr);
    ~QPageVedioInfo() override;

    int type() override { return 1; }
    QString GetTableName() override;
    void updatePage() override;
    void CreateLeftButtons() override;
    QString GetHeaderSpec() override;
    void CreateTopBar() override;
    void CreateContextMenu() override;
    QString GetFilter() override;
    void OnCurrentRowChanged(int row) override;
    void OnToolChanged(int tool) override;
    QString GetDefaultOrderColumn() override;
    QStringList GetButtonTexts() override;
    QStringList GetSortMenuTexts() override;
    void Retranslate() override;

    static QString VideoHeaderSpec();

    // Imports the files behind the wait view (what on_slot_Add does after the file dialog).
    void StartImport(const QStringList &files);
    // The folder part of a path ("/" or "\"), empty when it has neither.
    static QString FolderOfPath(const QString &path);

    bool IsAdding() const { return m_bAdding; }
    bool IsSwitching() const { return m_bSwitching; }
    QLineEdit *SearchEdit() const { return m_pSearchEdit; }
    QString SearchPlaceholder() const;
    // The selected video: key, folder, video file and RTV file.
    QString CurrentVideoKey() const { return m_strVideoKey; }
    QString CurrentVideoDir() const { return m_strVideoDir; }
    QString CurrentVideoPath() const { return m_strVideoPath; }
    QString CurrentRtvPath() const { return m_strRtvPath; }
    // The wait view of the running import or switch (null when none).
    WaitView *ActiveWaitView() const { return m_pWaitView; }
    // Gates Notify_successedInsertDefect/Notify_successedDelDefect; set by an
    // interpretation tool, false otherwise.
    void SetInterpretation(bool on) { m_bInterpretation = on; }

signals:
    void Notify_switchVedio(QString strVideoPath);
    void Notify_successedInsertDefect(qint64 nTimeIndex);
    void Notify_successedDelDefect();
    void Notify_WaitView_Close();

public slots:
    void on_slot_Search();
    void on_slot_Export();
    void on_slot_Interpretation();
    void on_slot_Add();
    void on_slot_Del();
    void on_slot_Spike();
    void on_slot_CustomSort();
    void on_slot_ExportFirstSort();
    void on_slot_RecordFirstSort();
    void on_slot_NoneInterpretateFirstSort();
    void on_slot_AddVedioThread_finished();
    void on_slot_AddVedioThread_Successed();
    void on_slot_AddVedioThread_One(QVedioInfo info);
    void on_slot_AddVedioThread_Progress(int current, int total);
    void on_slot_SwitchFileThread_finished();
    void on_slot_SwitchFileThread_Successed();
    // The interface of an interpretation tool (qpagevedioinfo_interpret.cpp).
    void on_slot_insertDefect(CDefectItem item);
    void on_slot_updatePipeInfo();
    void on_slot_deleteDefectItem(int &nPos_zero);
    void on_slot_gotoPreVedio(bool &bPreBtnEnable, bool &bNextBtnEnable);
    void on_slot_gotoNextVedio(bool &bPreBtnEnable, bool &bNextBtnEnable);

protected:
    int CurrentSortIndex() override;

private:
    enum Button { BtnSearch = 0, BtnExport, BtnAdd, BtnInterpretation, BtnDelete, BtnSpike };

    CFileRTV *FileRTV() const;
    void SetSortMode(int mode);
    // Reads key and paths of a row and recomputes the paths (creating "Images").
    void ReadRow(int row);
    void ClearSelection();
    // Starts the switch when the selected video's RTV file is not the loaded one.
    void SwitchIfNeeded();
    void StartSwitch(const QString &rtvPath);
    WaitView *ShowWaitView(const QString &text);
    // Moves the selection by previous/next and switches; the two flags afterwards.
    void GotoRow(int row, bool &bPreBtnEnable, bool &bNextBtnEnable);
    // The GUI thread's use of the inspection file (interpretation tool): open at the
    // selected video's RTV file.
    bool EnsureFileOpen();
    // The defect operations on the selected video and the inspection file.
    CDefectEditor Editor() const;
    void RecountProject();

    QLabel *m_pProjectLabel = nullptr;
    QLineEdit *m_pSearchEdit = nullptr;
    QList<QAction *> m_lstMenuActions;
    QAddVedioThread *m_pAddThread = nullptr;
    QSwitchRTVFileThread *m_pSwitchThread = nullptr;
    QPointer<WaitView> m_pWaitView;
    QString m_strVideoKey;
    QString m_strVideoDir;
    QString m_strVideoPath;
    QString m_strRtvPath;
    // The RTV file whose contents the inspection file holds (after a switch or an import).
    QString m_strLoadedRtvPath;
    QString m_strLastAddedKey;
    bool m_bAdding = false;
    bool m_bSwitching = false;
    bool m_bGotoVedio = false;
    bool m_bInterpretation = false;
};
