<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CDataBaseOperator</name>
    <message>
        <source>ALTER table %1 ADD %2</source>
        <translation>ALTER table %1 ADD %2</translation>
    </message>
    <message>
        <source>PRAGMA table_info(%1)</source>
        <translation>PRAGMA table_info(%1)</translation>
    </message>
</context>
<context>
    <name>CDataExporter</name>
    <message>
        <source>Doing export project information , please waiting now ....</source>
        <translation>正在导出工程信息，请稍候....</translation>
    </message>
    <message>
        <source> Exporting the information of detection and evaluate operation in progress , please waiting</source>
        <translation>正在导出检测与评估信息，请稍候</translation>
    </message>
    <message>
        <source>Exporting the value of interpretation in progress , please wait</source>
        <translation>正在导出判读信息，请稍候</translation>
    </message>
    <message>
        <source>Exporting the detected video in progress , please wait</source>
        <translation>正在导出检测视频，请稍候</translation>
    </message>
    <message>
        <source>Exporting the detected image in progress , please wait</source>
        <translation>正在导出检测图片，请稍候</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>工程信息</translation>
    </message>
    <message>
        <source>Detected and evaluated information</source>
        <translation>检测与评估信息</translation>
    </message>
    <message>
        <source>Interpretation information</source>
        <translation>判读信息</translation>
    </message>
    <message>
        <source>video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>image</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>An illegal directory exists .</source>
        <translation>存在非法目录。</translation>
    </message>
    <message>
        <source>random file name</source>
        <translation>随机文件名</translation>
    </message>
    <message>
        <source>Pipeline No</source>
        <translation>管道编号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Directory of video saved : project name\</source>
        <translation>视频保存目录：工程名称\</translation>
    </message>
    <message>
        <source>Road name\</source>
        <translation>道路名称\</translation>
    </message>
    <message>
        <source>Pipeline tpye\</source>
        <translation>管道类型\</translation>
    </message>
    <message>
        <source>Video\</source>
        <translation>视频\</translation>
    </message>
    <message>
        <source>Directory of image saved : project name\</source>
        <translation>图片保存目录：工程名称\</translation>
    </message>
    <message>
        <source>Image\</source>
        <translation>图片\</translation>
    </message>
    <message>
        <source>_progressive number.png</source>
        <translation>_序号.png</translation>
    </message>
    <message>
        <source>not a valid file name</source>
        <translation>不是有效的文件名</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>%1: missing from the cache, skipped</source>
        <translation>%1：缓存中不存在，已跳过</translation>
    </message>
    <message>
        <source>%1: could not be copied (is the disk full?)</source>
        <translation>%1：无法复制（磁盘是否已满？）</translation>
    </message>
</context>
<context>
    <name>CFileRTV</name>
    <message>
        <source>No or slight defects, structural condition is basically unaffected, but there is the possibility of potential deterioration</source>
        <translation>无或有轻微缺陷，结构状况基本不受影响，但具有潜在变坏的可能</translation>
    </message>
    <message>
        <source>Pipeline defects are significantly more than level 1, and there is a tendency of deterioration</source>
        <translation>管段缺陷明显超过一级，具有变坏的趋势</translation>
    </message>
    <message>
        <source>Pipeline defects are serious, and structural condition is affected.</source>
        <translation>管段缺陷严重，结构状况受到影响。</translation>
    </message>
    <message>
        <source>There are major pipeline defects, serious damage or impending damage.</source>
        <translation>管段存在重大缺陷，损坏严重或即将导致破坏。</translation>
    </message>
    <message>
        <source>The structural conditions are basically intact, no need to repair</source>
        <translation>结构条件基本完好，不修复</translation>
    </message>
    <message>
        <source>The structure will not be damaged in a short period of time, but there should be a plan to repair</source>
        <translation>结构在短期内不会发生破坏现象，但应做修复计划</translation>
    </message>
    <message>
        <source>The structure may be damaged in a short period of time, and it should be repaired as soon as possible</source>
        <translation>结构在短期内可能会发生破坏，应尽快修复</translation>
    </message>
    <message>
        <source>The structure has been damaged or is about to be damaged,  and it should be repaired immediately</source>
        <translation>结构已经发生或即将发生破坏，应立即修复</translation>
    </message>
    <message>
        <source>No or slight impact, the pipeline operation is basically unaffected</source>
        <translation>无或有轻微影响，管道运行基本不受影响</translation>
    </message>
    <message>
        <source>The flow in pipeline is to a certain extent blocked, but the operation is not affected much</source>
        <translation>管道过流有一定的受阻，运行受影响不大</translation>
    </message>
    <message>
        <source>The flow in pipeline is seriously blocked, the operation is significantly affected</source>
        <translation>管道过流受阻比较严重，运行受到明显影响</translation>
    </message>
    <message>
        <source>The flow in pipeline is very seriously blocked, soon or it has already caused the paralysis of operation</source>
        <translation>管道过流受阻很严重，即将或已经导致运行瘫痪</translation>
    </message>
    <message>
        <source>No obvious defects to be processed</source>
        <translation>没有明显需要处理的缺陷</translation>
    </message>
    <message>
        <source>No need for immediate processing, but should arrange a treatment plan</source>
        <translation>没有立即进行处理的必要，但宜安排处理计划</translation>
    </message>
    <message>
        <source>It should be handled as soon as possible after comprehensive consideration, which is based on the underlying data</source>
        <translation>根据基础数据进行全面的考虑，应尽快处理</translation>
    </message>
    <message>
        <source>The water delivery function is seriously affected and should be processed immediately</source>
        <translation>输水功能受到严重影响，应立即进行处理</translation>
    </message>
    <message>
        <source>Local defect</source>
        <translation>局部缺陷</translation>
    </message>
    <message>
        <source>Partial or whole defect</source>
        <translation>部分或整体缺陷</translation>
    </message>
    <message>
        <source>Whole defect</source>
        <translation>整体缺陷</translation>
    </message>
</context>
<context>
    <name>CImportSummary</name>
    <message>
        <source>%1 of %2 videos imported: %3 from their RTV file, %4 from their video description file, %5 with an empty RTV file; %6 not imported.</source>
        <translation>已导入 %2 个视频中的 %1 个：%3 个来自其RTV文件，%4 个来自其视频描述文件，%5 个使用空RTV文件；%6 个未导入。</translation>
    </message>
    <message>
        <source>%1: not imported: %2</source>
        <translation>%1：未导入：%2</translation>
    </message>
    <message>
        <source>%1: from the video description file: %2</source>
        <translation>%1：来自视频描述文件：%2</translation>
    </message>
    <message>
        <source>%1: with an empty RTV file: %2</source>
        <translation>%1：使用空RTV文件：%2</translation>
    </message>
</context>
<context>
    <name>CKLN_TQ420Setting</name>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Adding new project operate in progress , you should  press OK or cancel button firstly  , then you can do others things !</source>
        <translation>正在新建工程，请先点击“确定”或“取消”，然后再进行其他操作！</translation>
    </message>
    <message>
        <source>Please to select one project firstly !</source>
        <translation>请先选择一个工程！</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the disk may be full or write-protected. The previous settings file is kept.</source>
        <translation>设置无法保存到 %1：磁盘可能已满或被写保护。原有的设置文件保持不变。</translation>
    </message>
    <message>
        <source>Editing a project in progress , you should press Save or Cancel button firstly , then you can do other things !</source>
        <translation>正在编辑项目，请先按保存或取消按钮，然后再进行其他操作！</translation>
    </message>
</context>
<context>
    <name>CModelReport</name>
    <message>
        <source>Rainwater pipe</source>
        <translation>雨水管道</translation>
    </message>
    <message>
        <source>Sewerage pipe</source>
        <translation>污水管道</translation>
    </message>
    <message>
        <source>Combined Sewer</source>
        <translation>雨污合流管道</translation>
    </message>
    <message>
        <source>BL Glass steel tube</source>
        <translation>BL 玻璃钢管</translation>
    </message>
    <message>
        <source>GG Steel tube</source>
        <translation>GG 钢管</translation>
    </message>
    <message>
        <source>GH Reinforced concrete pipe</source>
        <translation>GH 钢筋混凝土管</translation>
    </message>
    <message>
        <source>HDPE Double-wall corrugated pipe</source>
        <translation>HDPE 双壁波纹管</translation>
    </message>
    <message>
        <source>HN Concrete pipe</source>
        <translation>HN 混凝土管</translation>
    </message>
    <message>
        <source>SL Plastic pipe</source>
        <translation>SL 塑料管</translation>
    </message>
    <message>
        <source>SM Asbestos cement pipe</source>
        <translation>SM 石棉水泥管</translation>
    </message>
    <message>
        <source>TC Ceramic tube</source>
        <translation>TC 陶瓷管</translation>
    </message>
    <message>
        <source>TT Vitrified clay pipe</source>
        <translation>TT 陶土管</translation>
    </message>
    <message>
        <source>ZS Masonry ditch</source>
        <translation>ZS 砖石沟渠</translation>
    </message>
    <message>
        <source>ZT Cast-iron pipe</source>
        <translation>ZT 铸铁管</translation>
    </message>
    <message>
        <source>Storm water inlet</source>
        <translation>雨水口</translation>
    </message>
    <message>
        <source>Inspection well</source>
        <translation>检查井</translation>
    </message>
    <message>
        <source>Continuous concealed well</source>
        <translation>连续暗井</translation>
    </message>
    <message>
        <source>Overflow well</source>
        <translation>溢流井</translation>
    </message>
    <message>
        <source>Drop well</source>
        <translation>跌水井</translation>
    </message>
    <message>
        <source>Trapped well</source>
        <translation>水封井</translation>
    </message>
    <message>
        <source>Flushing well</source>
        <translation>冲洗井</translation>
    </message>
    <message>
        <source>Silt well</source>
        <translation>沉泥井</translation>
    </message>
    <message>
        <source>Gate well</source>
        <translation>闸门井</translation>
    </message>
    <message>
        <source>Tide gate well</source>
        <translation>潮门井</translation>
    </message>
    <message>
        <source>Inverted siphon</source>
        <translation>倒虹管</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>scum</source>
        <translation>浮渣</translation>
    </message>
    <message>
        <source>water stream blocked</source>
        <translation>水流不畅</translation>
    </message>
    <message>
        <source>shaft bottom silt or sundries</source>
        <translation>井底积泥或杂物</translation>
    </message>
    <message>
        <source>launder breakage</source>
        <translation>流槽破损</translation>
    </message>
    <message>
        <source>pipe orifice hole</source>
        <translation>管口孔洞</translation>
    </message>
    <message>
        <source>plaster fall off</source>
        <translation>抹面脱落</translation>
    </message>
    <message>
        <source>Wall leakage</source>
        <translation>井壁渗漏</translation>
    </message>
    <message>
        <source>Wall Cracks</source>
        <translation>井壁裂缝</translation>
    </message>
    <message>
        <source>Wall dirt</source>
        <translation>井壁污垢</translation>
    </message>
    <message>
        <source>ladder loose, corroded or defective</source>
        <translation>爬梯松动、锈蚀或缺损</translation>
    </message>
    <message>
        <source>chain or lock</source>
        <translation>链条或锁具</translation>
    </message>
    <message>
        <source>ant-falling net lost</source>
        <translation>防坠网缺失</translation>
    </message>
    <message>
        <source>connecting-pipe abnormal</source>
        <translation>接入管异常</translation>
    </message>
    <message>
        <source>well tilt</source>
        <translation>井体倾斜</translation>
    </message>
    <message>
        <source>illegal pipe connection</source>
        <translation>违章接管</translation>
    </message>
    <message>
        <source>water flow blocked</source>
        <translation>水流受阻</translation>
    </message>
    <message>
        <source>mud siltation or sundries</source>
        <translation>淤泥或杂物</translation>
    </message>
    <message>
        <source>plaster flaking</source>
        <translation>抹面剥落</translation>
    </message>
    <message>
        <source>crack or leakage</source>
        <translation>裂缝或渗漏</translation>
    </message>
    <message>
        <source>hinge or chain breakage</source>
        <translation>铰链或链条损坏</translation>
    </message>
    <message>
        <source>heavy manhole covers (on road)</source>
        <translation>重型井盖（道路上）</translation>
    </message>
    <message>
        <source>manhole covers marked wrongly</source>
        <translation>井盖标识错误</translation>
    </message>
    <message>
        <source>surrounding roadsides breakage or collapsed</source>
        <translation>周边路面破损或沉陷</translation>
    </message>
    <message>
        <source>beating and acoustic</source>
        <translation>跳动和声响</translation>
    </message>
    <message>
        <source>cover frame protruding or sunken</source>
        <translation>盖框突出或凹陷</translation>
    </message>
    <message>
        <source>cover frame height difference</source>
        <translation>盖框高差</translation>
    </message>
    <message>
        <source>cover frame gap</source>
        <translation>盖框间隙</translation>
    </message>
    <message>
        <source>manhole frame breakage</source>
        <translation>井框破损</translation>
    </message>
    <message>
        <source>manhole covers breakage</source>
        <translation>井盖破损</translation>
    </message>
    <message>
        <source>manhole covers lost</source>
        <translation>井盖丢失</translation>
    </message>
    <message>
        <source>manhole covers buried</source>
        <translation>井盖埋没</translation>
    </message>
    <message>
        <source>road settlement or stagnant water</source>
        <translation>路面沉降或积水</translation>
    </message>
    <message>
        <source>smelly</source>
        <translation>异臭</translation>
    </message>
    <message>
        <source>rain frame protruding</source>
        <translation>雨水框突出</translation>
    </message>
    <message>
        <source>hole clogged</source>
        <translation>孔眼堵塞</translation>
    </message>
    <message>
        <source>rain outlet frame breakage</source>
        <translation>雨水口框破损</translation>
    </message>
    <message>
        <source>rain grate breakage</source>
        <translation>雨水箅破损</translation>
    </message>
    <message>
        <source>rain grate lost</source>
        <translation>雨水箅丢失</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1(%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1米</translation>
    </message>
    <message>
        <source>%1mm</source>
        <translation>%1毫米</translation>
    </message>
    <message>
        <source>, the position of circumferential %1%2</source>
        <translation>，环向位置 %1%2</translation>
    </message>
    <message>
        <source> , longitudinal length of %1m .</source>
        <translation>，纵向长度 %1米。</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>图 %1</translation>
    </message>
    <message>
        <source>%1 sections/%2m</source>
        <translation>%1段/%2米</translation>
    </message>
    <message>
        <source>Routine test</source>
        <translation>常规检测</translation>
    </message>
    <message>
        <source>From </source>
        <translation>自 </translation>
    </message>
    <message>
        <source> to </source>
        <translation> 至 </translation>
    </message>
    <message>
        <source>Totally %1 sections of pipelines are tested and evaluated this time</source>
        <translation>本次共检测并评估管道 %1 段</translation>
    </message>
    <message>
        <source>Totally %1 sections of pipelines are tested and  %2 sections evaluated this time</source>
        <translation>本次共检测管道 %1 段，评估 %2 段</translation>
    </message>
    <message>
        <source>%1 section</source>
        <translation>%1 段</translation>
    </message>
    <message>
        <source>there are %1 other defects</source>
        <translation>其他缺陷 %1 处</translation>
    </message>
    <message>
        <source>There is Level-%4 %5 deformation in the position of longitudinal %1m and circumferential %2%3</source>
        <translation>纵向 %1米、环向 %2%3 处存在 %4 级%5</translation>
    </message>
    <message>
        <source>Totally %1 sections of pipelines are evaluated, and there are defects in %2 positions</source>
        <translation>共评估管道 %1 段，存在缺陷 %2 处</translation>
    </message>
    <message>
        <source>%1 section have structural defect</source>
        <translation>%1 段存在结构性缺陷</translation>
    </message>
    <message>
        <source>%1 section functional defect</source>
        <translation>%1 段存在功能性缺陷</translation>
    </message>
    <message>
        <source> then</source>
        <translation>其中</translation>
    </message>
    <message>
        <source>%1 section exist structural and functional defects  at the same time</source>
        <translation>%1 段同时存在结构性和功能性缺陷</translation>
    </message>
    <message>
        <source>,%1 section don&apos;t exist defect .</source>
        <translation>，%1 段不存在缺陷。</translation>
    </message>
    <message>
        <source>No word processor could make the report.</source>
        <translation>没有可用的文字处理程序来生成报告。</translation>
    </message>
</context>
<context>
    <name>CModelSheet</name>
    <message>
        <source>Project No.</source>
        <translation>工程编号</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>工程名称</translation>
    </message>
    <message>
        <source>Project site</source>
        <translation>工程地点</translation>
    </message>
    <message>
        <source>In charge</source>
        <translation>负责人</translation>
    </message>
    <message>
        <source>Date commenced</source>
        <translation>开工日期</translation>
    </message>
    <message>
        <source>Report No.</source>
        <translation>报告编号</translation>
    </message>
    <message>
        <source>Client unit</source>
        <translation>委托单位</translation>
    </message>
    <message>
        <source>Development unit</source>
        <translation>建设单位</translation>
    </message>
    <message>
        <source>Design unit</source>
        <translation>设计单位</translation>
    </message>
    <message>
        <source>Construction unit</source>
        <translation>施工单位</translation>
    </message>
    <message>
        <source>Supervision unit</source>
        <translation>监理单位</translation>
    </message>
    <message>
        <source>Inspection type</source>
        <translation>检测类型</translation>
    </message>
    <message>
        <source>Movement method</source>
        <translation>移动方式</translation>
    </message>
    <message>
        <source>Plugging method</source>
        <translation>封堵方式</translation>
    </message>
    <message>
        <source>Drainage method</source>
        <translation>导流方式</translation>
    </message>
    <message>
        <source>Cleaning method</source>
        <translation>清疏方式</translation>
    </message>
    <message>
        <source>Road Name</source>
        <translation>道路名称</translation>
    </message>
    <message>
        <source>Pipeline No.</source>
        <translation>管段编号</translation>
    </message>
    <message>
        <source>Pipeline type</source>
        <translation>管道类型</translation>
    </message>
    <message>
        <source>Pipeline material</source>
        <translation>管道材质</translation>
    </message>
    <message>
        <source>Video name</source>
        <translation>视频名称</translation>
    </message>
    <message>
        <source>Inner name</source>
        <translation>内部名称</translation>
    </message>
    <message>
        <source>Record date</source>
        <translation>录制日期</translation>
    </message>
    <message>
        <source>Export date</source>
        <translation>导出日期</translation>
    </message>
    <message>
        <source>Interpretion count</source>
        <translation>判读数量</translation>
    </message>
    <message>
        <source>Pipeline diameter</source>
        <translation>管径</translation>
    </message>
    <message>
        <source>Defect name</source>
        <translation>缺陷名称</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>Defect property</source>
        <translation>缺陷性质</translation>
    </message>
    <message>
        <source>Defect position</source>
        <translation>缺陷位置</translation>
    </message>
    <message>
        <source>Defect length</source>
        <translation>缺陷长度</translation>
    </message>
    <message>
        <source>Defect description</source>
        <translation>缺陷描述</translation>
    </message>
    <message>
        <source>Defect score</source>
        <translation>缺陷分值</translation>
    </message>
    <message>
        <source>Interpretion remark</source>
        <translation>判读备注</translation>
    </message>
    <message>
        <source>Image name</source>
        <translation>图片名称</translation>
    </message>
    <message>
        <source>Inspection Date</source>
        <translation>检测日期</translation>
    </message>
    <message>
        <source>Interpretation date</source>
        <translation>判读日期</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Starting well</source>
        <translation>起始井</translation>
    </message>
    <message>
        <source>Ending well</source>
        <translation>终止井</translation>
    </message>
    <message>
        <source>No</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Defect</source>
        <translation>缺陷</translation>
    </message>
    <message>
        <source>Well body material</source>
        <translation>井体材质</translation>
    </message>
    <message>
        <source>Well lid material</source>
        <translation>井盖材质</translation>
    </message>
    <message>
        <source>Parameter name</source>
        <translation>参数名称</translation>
    </message>
    <message>
        <source>Parameter value</source>
        <translation>参数值</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Defect grade</source>
        <translation>缺陷等级</translation>
    </message>
    <message>
        <source>Defect density</source>
        <translation>缺陷密度</translation>
    </message>
    <message>
        <source>evaluation in 
colligation condition</source>
        <translation>综合状况
评价</translation>
    </message>
    <message>
        <source>Video No.</source>
        <translation>视频编号</translation>
    </message>
    <message>
        <source>Inspection direction</source>
        <translation>检测方向</translation>
    </message>
    <message>
        <source>Inspection remark</source>
        <translation>检测备注</translation>
    </message>
    <message>
        <source>Wellhead latitude</source>
        <translation>井口纬度</translation>
    </message>
    <message>
        <source>Wellhead longitude</source>
        <translation>井口经度</translation>
    </message>
    <message>
        <source>Wellhead elevation</source>
        <translation>井口高程</translation>
    </message>
    <message>
        <source>Starting point</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>Ending point</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>Pipeline dia.
(mm)</source>
        <translation>管径
(毫米)</translation>
    </message>
    <message>
        <source>Pipeline shape</source>
        <translation>截面形状</translation>
    </message>
    <message>
        <source>Interface form</source>
        <translation>接口形式</translation>
    </message>
    <message>
        <source>Pipeline length
(m)</source>
        <translation>管段长度
(米)</translation>
    </message>
    <message>
        <source>Inspection len.
(m)</source>
        <translation>检测长度
(米)</translation>
    </message>
    <message>
        <source>Laying date</source>
        <translation>敷设日期</translation>
    </message>
    <message>
        <source>Operator ID</source>
        <translation>操作员编号</translation>
    </message>
    <message>
        <source>Operator name</source>
        <translation>操作员姓名</translation>
    </message>
    <message>
        <source>Operator duties</source>
        <translation>操作员职务</translation>
    </message>
    <message>
        <source>Equipment No.</source>
        <translation>设备编号</translation>
    </message>
    <message>
        <source>Equipment ID</source>
        <translation>设备标识</translation>
    </message>
    <message>
        <source>Equipment type</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>Equipment name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Equipment vendor</source>
        <translation>设备厂家</translation>
    </message>
    <message>
        <source>Avg S</source>
        <translation>平均值 S</translation>
    </message>
    <message>
        <source>Maximum
Smax</source>
        <translation>最大值
Smax</translation>
    </message>
    <message>
        <source>restoration
Index RI</source>
        <translation>修复
指数 RI</translation>
    </message>
    <message>
        <source>Avg Y</source>
        <translation>平均值 Y</translation>
    </message>
    <message>
        <source>Maximum
Ymax</source>
        <translation>最大值
Ymax</translation>
    </message>
    <message>
        <source>Maintenance
index MI</source>
        <translation>养护
指数 MI</translation>
    </message>
    <message>
        <source>Starting inspection well</source>
        <translation>起始检查井</translation>
    </message>
    <message>
        <source>Ending inspection well</source>
        <translation>终止检查井</translation>
    </message>
    <message>
        <source>Buried depth</source>
        <translation>埋深</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>检测人员</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Regional importance parameter(K)</source>
        <translation>地区重要性参数(K)</translation>
    </message>
    <message>
        <source>Soil Influence Parameter(T)</source>
        <translation>土质影响参数(T)</translation>
    </message>
    <message>
        <source>Structural defects</source>
        <translation>结构性缺陷</translation>
    </message>
    <message>
        <source>Functional defects</source>
        <translation>功能性缺陷</translation>
    </message>
    <message>
        <source>Pipeline primary 
parameter
(E)</source>
        <translation>管道重要性
参数
(E)</translation>
    </message>
    <message>
        <source>%1 could not be opened as a workbook.</source>
        <translation>无法将 %1 作为工作簿打开。</translation>
    </message>
    <message>
        <source>No spreadsheet program could make the workbook.</source>
        <translation>没有可用的表格程序来生成工作簿。</translation>
    </message>
</context>
<context>
    <name>COptionList</name>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>CVideoImporter</name>
    <message>
        <source>the video file does not exist</source>
        <translation>视频文件不存在</translation>
    </message>
    <message>
        <source>cannot create the video folder</source>
        <translation>无法创建视频文件夹</translation>
    </message>
    <message>
        <source>the RTV file beside the video could not be read. </source>
        <translation>视频旁的 RTV 文件无法读取。</translation>
    </message>
    <message>
        <source>the video description file could not be read. </source>
        <translation>视频描述文件无法读取。</translation>
    </message>
    <message>
        <source>cannot copy the video (is the disk full?)</source>
        <translation>无法复制视频（磁盘是否已满？）</translation>
    </message>
    <message>
        <source>the video could not be stored in the project database</source>
        <translation>无法将视频保存到工程数据库</translation>
    </message>
    <message>
        <source>there is no RTV file beside the video. </source>
        <translation>视频旁没有RTV文件。</translation>
    </message>
    <message>
        <source>cannot copy the RTV file beside the video (is the disk full?)</source>
        <translation>无法复制视频旁的RTV文件（磁盘是否已满？）</translation>
    </message>
    <message>
        <source>there is no video description file beside the video. </source>
        <translation>视频旁没有视频描述文件。</translation>
    </message>
    <message>
        <source>cannot write the RTV file (is the disk full?)</source>
        <translation>无法写入RTV文件（磁盘是否已满？）</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>usage: tq420-cli convert VIDEO.xml OUT.rtv</source>
        <translation>用法：tq420-cli convert 视频描述.xml 输出.rtv</translation>
    </message>
    <message>
        <source>%1: not a readable video description file</source>
        <translation>%1：不是可读取的视频描述文件</translation>
    </message>
    <message>
        <source>Command-line tool of the sewer inspection office program.</source>
        <translation>排水管道检测内业软件的命令行工具。</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;: use en or zh</source>
        <translation>未知语言“%1”：请使用 en 或 zh</translation>
    </message>
    <message>
        <source>usage: tq420-cli inspect [--json] FILE.rtv...</source>
        <translation>用法：tq420-cli inspect [--json] 文件.rtv...</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>Show the debug log on standard error.</source>
        <translation>在标准错误输出中显示调试日志。</translation>
    </message>
    <message>
        <source>%1 needs --app-dir DIR</source>
        <translation>%1 需要 --app-dir 目录</translation>
    </message>
    <message>
        <source>no such folder: %1</source>
        <translation>文件夹不存在：%1</translation>
    </message>
    <message>
        <source>usage: tq420-cli project add|list --app-dir DIR ...</source>
        <translation>用法：tq420-cli project add|list --app-dir 目录 ...</translation>
    </message>
    <message>
        <source>%1 needs --project NUMBER</source>
        <translation>%1 需要 --project 工程编号</translation>
    </message>
    <message>
        <source>usage: tq420-cli import --app-dir DIR --project NUMBER VIDEO...</source>
        <translation>用法：tq420-cli import --app-dir 目录 --project 工程编号 视频...</translation>
    </message>
    <message>
        <source>Language of the output and of the data files: en or zh.</source>
        <translation>输出和数据文件的语言：en（英文）或 zh（中文）。</translation>
    </message>
    <message>
        <source>Print JSON.</source>
        <translation>输出 JSON。</translation>
    </message>
    <message>
        <source>Folder of the data files.</source>
        <translation>数据文件所在的文件夹。</translation>
    </message>
    <message>
        <source>Number of the project.</source>
        <translation>工程编号。</translation>
    </message>
    <message>
        <source>project add: project number.</source>
        <translation>project add：工程编号。</translation>
    </message>
    <message>
        <source>project add: project name.</source>
        <translation>project add：工程名称。</translation>
    </message>
    <message>
        <source>project add: site.</source>
        <translation>project add：工程地点。</translation>
    </message>
    <message>
        <source>project add: commencement date.</source>
        <translation>project add：开工日期。</translation>
    </message>
    <message>
        <source>usage: tq420-cli sheet --app-dir DIR [--project NUMBER] --kind 0|1|2|3 --out FILE.xls</source>
        <translation>用法：tq420-cli sheet --app-dir 目录 [--project 工程编号] --kind 0|1|2|3 --out 文件.xls</translation>
    </message>
    <message>
        <source>sheet: 0 projects, 1 videos, 2 interpretation, 3 evaluation.</source>
        <translation>sheet：0 工程，1 视频，2 判读记录，3 检测评估信息。</translation>
    </message>
    <message>
        <source>usage: tq420-cli report --app-dir DIR --project NUMBER --out FILE</source>
        <translation>用法：tq420-cli report --app-dir 目录 --project 工程编号 --out 文件</translation>
    </message>
    <message>
        <source>sheet, report: the file to write.</source>
        <translation>sheet、report：要写入的文件。</translation>
    </message>
    <message>
        <source>usage: tq420-cli report --out FILE [--lang en|zh] FILE.rtv...</source>
        <translation>用法：tq420-cli report --out 文件 [--lang en|zh] 文件.rtv...</translation>
    </message>
    <message>
        <source>inspect [--json] FILE.rtv... | convert VIDEO.xml OUT.rtv | project add|list | import VIDEO... | defects | sheet | report [FILE.rtv...] | export</source>
        <translation>inspect [--json] FILE.rtv... | convert VIDEO.xml OUT.rtv | project add|list | import VIDEO... | defects | sheet | report [FILE.rtv...] | export</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist</source>
        <translation>%1：文件夹 %2 不存在</translation>
    </message>
    <message>
        <source>%1: cannot create the RTV file (no permission or the disk is full); nothing was written</source>
        <translation>%1：无法创建 RTV 文件（没有权限或磁盘已满）；未写入任何内容</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The folder %1 holds a project database (%2) but cannot be written, so the program keeps its data in %3 and does not show the projects of %1. Make %1 writable, or move its data files to %3, and start the program again.</source>
        <translation>文件夹 %1 中有工程数据库（%2），但不可写入，因此程序将数据保存在 %3，不显示 %1 中的工程。请使 %1 可写，或将其数据文件移到 %3，然后重新启动程序。</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>数据文件夹</translation>
    </message>
</context>
<context>
    <name>DefectLevelTexts</name>
    <message>
        <source>Crack when one or more of the following circumstances exist:
1) The fine crack can be seen in the pipe wall;
2) A small amount of sediment emerges from the crack in the pipe wall
3) Slight peeling.</source>
        <translation>裂痕——当下列一个或多个情况存在时：
1）在管壁上可见细裂痕；
2）在管壁上由细裂缝处冒出少量沉积物；
3）轻度剥落。</translation>
    </message>
    <message>
        <source>Gap a significant gap is formed at the rupture, but the shape of the pipe is unaffected and the rupture does not fall off.</source>
        <translation>裂口——破裂处已形成明显间隙，但管道的形状未受影响且破裂无脱落。</translation>
    </message>
    <message>
        <source>Breakage the circumferential coverage of debris left or broken at the wall of pipe is not more than the arc length of 60 degree. </source>
        <translation>破碎——管壁破裂或脱落处所剩碎片的环向覆盖范围不大于弧长60°。</translation>
    </message>
    <message>
        <source>Collapse when one or more of the following circumstances exist:
1) The circumferential coverage on the edge of crack, gap or breakage
of pipe material is not more than the arc length of 60 degree.
2) The circumferential extent of the wall material falling off
is more than the arc length of 60 degree.</source>
        <translation>坍塌——当下列一个或多个情况存在时：
1）管道材料裂痕、裂口或破碎处边缘环向覆盖范围大于弧长60°；
2）管壁材料发生脱落的环向范围大于弧长60°。</translation>
    </message>
    <message>
        <source>The deformation is not more than 5% of the pipe diameter.</source>
        <translation>变形不大于管道直径的5%。</translation>
    </message>
    <message>
        <source>The deformation is 5%~15% of the pipe diameter.</source>
        <translation>变形为管道直径的5%~15%。</translation>
    </message>
    <message>
        <source>The deformation is 15%~25% of the pipe diameter.</source>
        <translation>变形为管道直径的15%~25%。</translation>
    </message>
    <message>
        <source>The deformation is more than 25% of the pipe diameter.</source>
        <translation>变形大于管道直径的25%。</translation>
    </message>
    <message>
        <source>Slight corrosion slight surface peeling, uneven surface on the pipe wall </source>
        <translation>轻度腐蚀——表面轻微剥落，管壁出现凹凸面。</translation>
    </message>
    <message>
        <source>Medium corrosion surface flaking reveals coarse aggregate or steel bar.</source>
        <translation>中度腐蚀——表面剥落显露粗骨料或钢筋。</translation>
    </message>
    <message>
        <source>Heavy corrosion coarse aggregate or steel bars are fully exposed.</source>
        <translation>重度腐蚀——粗骨料或钢筋完全显露。</translation>
    </message>
    <message>
        <source>Slight misplaced the deviation between two connected 
nozzles is not greater than 1/2 of the thickness of pipe wall. </source>
        <translation>轻度错口——相接的两个管口偏差不大于管壁厚度的1/2。</translation>
    </message>
    <message>
        <source>Medium misplaced the deviation between two connected 
nozzles is 1/2~1 time of the thickness of pipe wall.</source>
        <translation>中度错口——相接的两个管口偏差为管壁厚度的1/2~1倍。</translation>
    </message>
    <message>
        <source>Heavy misplaced the deviation between two connected 
nozzles is 1~2 times of the thickness of pipe wall.</source>
        <translation>重度错口——相接的两个管口偏差为管壁厚度的1~2倍。</translation>
    </message>
    <message>
        <source>Serious misplaced the deviation between two connected 
nozzles is more than twice the thickness of pipe wall</source>
        <translation>严重错口——相接的两个管口偏差为管壁厚度的2倍以上。</translation>
    </message>
    <message>
        <source>Undulation height / pipe diameter less than or equal 20%. </source>
        <translation>起伏高/管径≤20%。</translation>
    </message>
    <message>
        <source>20%&lt;Undulation height / pipe diameter less than or equal35%.</source>
        <translation>20%&lt;起伏高/管径≤35%。</translation>
    </message>
    <message>
        <source>35%&lt;Undulation height / pipe diameter less than or equal50%.</source>
        <translation>35%&lt;起伏高/管径≤50%。</translation>
    </message>
    <message>
        <source>Undulation height / pipe diameter &gt; 50%.</source>
        <translation>起伏高/管径&gt;50%。</translation>
    </message>
    <message>
        <source>Slight disjointed a small amount of soil is squeezed on the end of pipe. </source>
        <translation>轻度脱节——管道端部有少量泥土挤入。</translation>
    </message>
    <message>
        <source>Medium disjointed the disjointing distance is not more than 2cm. </source>
        <translation>中度脱节——脱节距离不大于2cm。</translation>
    </message>
    <message>
        <source>Heavy disjointed the disjointing distance is within 2cm ~5cm</source>
        <translation>重度脱节——脱节距离为2cm~5cm。</translation>
    </message>
    <message>
        <source>Serious disjointed the disjointing distance is more than 5cm.</source>
        <translation>严重脱节——脱节距离为5cm以上。</translation>
    </message>
    <message>
        <source>The interface material is visible in the upper 
part of the horizontal centerline of the pipe</source>
        <translation>接口材料在管道内水平方向中心线上部可见。</translation>
    </message>
    <message>
        <source>The interface material is visible in the lower 
part of the horizontal centerline of the pipe</source>
        <translation>接口材料在管道内水平方向中心线下部可见。</translation>
    </message>
    <message>
        <source>The length of the branch pipe entering the main pipe is not 
more than 10% of the diameter of the main pipe.  </source>
        <translation>支管进入主管内的长度不大于主管直径的10%。</translation>
    </message>
    <message>
        <source>The length of the branch pipe entering the main pipe is 
10%~20% of the diameter of the main pipe.</source>
        <translation>支管进入主管内的长度为主管直径的10%~20%。</translation>
    </message>
    <message>
        <source>The length of the branch pipe entering the main pipe is 
greater than 20% of the diameter of the main pipe.</source>
        <translation>支管进入主管内的长度大于主管直径的20%。</translation>
    </message>
    <message>
        <source>The foreign matter is in the pipeline and the area of 
the occupied water cross section is not more than 10%. </source>
        <translation>异物在管道内且占用过水断面面积不大于10%。</translation>
    </message>
    <message>
        <source>The foreign matter is in the pipeline and the area of 
the occupied water cross section is 10%~30%.</source>
        <translation>异物在管道内且占用过水断面面积为10%~30%。</translation>
    </message>
    <message>
        <source>The foreign matter is in the pipeline and the area of 
the occupied water cross section is greater than 30%.</source>
        <translation>异物在管道内且占用过水断面面积大于30%。</translation>
    </message>
    <message>
        <source>Drip water continues to drip from the defect point 
and flows along the pipe wall.</source>
        <translation>滴漏——水持续从缺陷点滴出，沿管壁流动。</translation>
    </message>
    <message>
        <source>Line leakage-water continues to flow out of the defect
point and out of the pipe wall. </source>
        <translation>线漏——水持续从缺陷点流出，并脱离管壁流动。</translation>
    </message>
    <message>
        <source>Gushing water rushes from the defect point, the area 
of the water leakage surface is not more than 1/3 of the pipeline</source>
        <translation>涌漏——水从缺陷点涌出，涌漏水面的面积不大于管道断面的1/3。</translation>
    </message>
    <message>
        <source>Leakage the water rushes or ejects from the defect point,
and the area of the leaking water surface is larger than 1/3 of the pipeline. </source>
        <translation>喷漏——水从缺陷点大量涌出或喷出，涌漏水面的面积大于管道断面的1/3。</translation>
    </message>
    <message>
        <source>The thickness of the sediment is 20%~30% of the diameter of the pipe.</source>
        <translation>沉积物厚度为管径的20%~30%。</translation>
    </message>
    <message>
        <source>The thickness of the sediment is 30%~40% of the diameter of the pipe.</source>
        <translation>沉积物厚度为管径的30%~40%。</translation>
    </message>
    <message>
        <source>The thickness of the sediment is 40%~50% of the diameter of the pipe.</source>
        <translation>沉积物厚度为管径的40%~50%。</translation>
    </message>
    <message>
        <source>The thickness of the sediment is more than 50% of the diameter of the pipe.</source>
        <translation>沉积物厚度大于管径的50%。</translation>
    </message>
    <message>
        <source>The cross section loss caused by hard scaling is not more than 15%;
The cross section loss caused by soft scaling is 15%~25%.</source>
        <translation>硬质结垢造成的过水断面损失不大于15%；
软质结垢造成的过水断面损失为15%~25%。</translation>
    </message>
    <message>
        <source>The cross section loss caused by hard scaling is 15%~25%.
The cross section loss caused by soft scaling is 25%~50%.</source>
        <translation>硬质结垢造成的过水断面损失为15%~25%；
软质结垢造成的过水断面损失为25%~50%。</translation>
    </message>
    <message>
        <source>The cross section loss caused by hard scaling is 25%~50%.
The cross section loss caused by soft scaling is 50%~80%.</source>
        <translation>硬质结垢造成的过水断面损失为25%~50%；
软质结垢造成的过水断面损失为50%~80%。</translation>
    </message>
    <message>
        <source>The cross section loss caused by hard scaling is more than 50%;
The cross section loss caused by soft scaling is more than 80%.</source>
        <translation>硬质结垢造成的过水断面损失大于50%；
软质结垢造成的过水断面损失大于80%。</translation>
    </message>
    <message>
        <source>The cross section loss is not more than 15%. </source>
        <translation>过水断面损失不大于15%。</translation>
    </message>
    <message>
        <source>The cross section loss is 15%~25%.</source>
        <translation>过水断面损失为15%~25%。</translation>
    </message>
    <message>
        <source>The cross section loss is 25%~50%.</source>
        <translation>过水断面损失为25%~50%。</translation>
    </message>
    <message>
        <source>The cross section loss is more than 50%. </source>
        <translation>过水断面损失大于50%。</translation>
    </message>
    <message>
        <source>The cross section loss is more than 50%.</source>
        <translation>过水断面损失大于50%。</translation>
    </message>
    <message>
        <source>Sporadic floating objects, floating objects occupy no more than 30% 
of the water surface area</source>
        <translation>零星的漂浮物，漂浮物占水面面积不大于30%。</translation>
    </message>
    <message>
        <source>More floating objects, floating objects account for 30% to 60% 
of the water surface area</source>
        <translation>较多的漂浮物，漂浮物占水面面积为30%~60%。</translation>
    </message>
    <message>
        <source>A large number of floating objects, floating objects occupy more 
than 60% of the wate</source>
        <translation>大量的漂浮物，漂浮物占水面面积大于60%。</translation>
    </message>
</context>
<context>
    <name>DefectVocabulary</name>
    <message>
        <source>(PL) Rupture</source>
        <translation>(PL)破裂</translation>
    </message>
    <message>
        <source>(BX) Deformation</source>
        <translation>(BX)变形</translation>
    </message>
    <message>
        <source>(FS) Corrosion</source>
        <translation>(FS)腐蚀</translation>
    </message>
    <message>
        <source>(CK) Misplaced</source>
        <translation>(CK)错口</translation>
    </message>
    <message>
        <source>(QF) Undulation</source>
        <translation>(QF)起伏</translation>
    </message>
    <message>
        <source>(TJ)  Disjointed</source>
        <translation>(TJ)脱节</translation>
    </message>
    <message>
        <source>(TL) Interface material shedding</source>
        <translation>(TL)接口材料脱落</translation>
    </message>
    <message>
        <source>(AJ) Secret connection of branch pipe</source>
        <translation>(AJ)支管暗接</translation>
    </message>
    <message>
        <source>(CR) Foreign matter penetration</source>
        <translation>(CR)异物穿入</translation>
    </message>
    <message>
        <source>(SL) Leakage</source>
        <translation>(SL)渗漏</translation>
    </message>
    <message>
        <source>(CJ) Deposition</source>
        <translation>(CJ)沉积</translation>
    </message>
    <message>
        <source>(JG) Scaling</source>
        <translation>(JG)结垢</translation>
    </message>
    <message>
        <source>(ZW) Obstacle</source>
        <translation>(ZW)障碍物</translation>
    </message>
    <message>
        <source>(CQ) Residual wall, dam root</source>
        <translation>(CQ)残墙、坝根</translation>
    </message>
    <message>
        <source>(SG) Root</source>
        <translation>(SG)树根</translation>
    </message>
    <message>
        <source>(FZ) Scum</source>
        <translation>(FZ)浮渣</translation>
    </message>
    <message>
        <source>Central business district and the area where there is Class-A civil building engineering nearby(K=10)</source>
        <translation>中心商业区及附近有甲类民用建筑工程的区域(K=10)</translation>
    </message>
    <message>
        <source>The area where there are main traffic roads and there are Class-B civil building engineering nearby(K=6)</source>
        <translation>交通干道及附近有乙类民用建筑工程的区域(K=6)</translation>
    </message>
    <message>
        <source>The area where there are other roads and there are Class-C civil building engineering nearby(K=3)</source>
        <translation>其他行车道路及附近有丙类民用建筑工程的区域(K=3)</translation>
    </message>
    <message>
        <source>All other regions or F &lt; 4(K=0)</source>
        <translation>所有其他区域或F&lt;4(K=0)</translation>
    </message>
    <message>
        <source>General soil layer or F=0(T0)</source>
        <translation>一般土层或F=0(T=0)</translation>
    </message>
    <message>
        <source>1 Collapsible loess, 2 Collapsible loess,weak Expansive soil(T=6)</source>
        <translation>Ⅰ级湿陷性黄土、Ⅱ级湿陷性黄土、弱膨胀土(T=6)</translation>
    </message>
    <message>
        <source>Muddy soil(T=8)</source>
        <translation>淤泥质土(T=8)</translation>
    </message>
    <message>
        <source>Silt layer,Sludge(T=10)</source>
        <translation>粉砂层、淤泥(T=10)</translation>
    </message>
    <message>
        <source>(ZC)Normal</source>
        <translation>(ZC)正常</translation>
    </message>
    <message>
        <source>Don&apos;t interpretatin</source>
        <translation>未判读</translation>
    </message>
    <message>
        <source>Structural defects</source>
        <translation>结构性缺陷</translation>
    </message>
    <message>
        <source>Functional defects</source>
        <translation>功能性缺陷</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>%1级</translation>
    </message>
    <message>
        <source>Vertical %1 meters, ring to %2%3</source>
        <translation>纵向%1米，环向%2%3</translation>
    </message>
    <message>
        <source>level</source>
        <translation>级</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>export: the project information sheet.</source>
        <translation>export：工程信息表。</translation>
    </message>
    <message>
        <source>export: the evaluation and interpretation sheets.</source>
        <translation>export：检测评估表和判读信息表。</translation>
    </message>
    <message>
        <source>export: copy the videos.</source>
        <translation>export：复制检测视频。</translation>
    </message>
    <message>
        <source>export: copy the defect images.</source>
        <translation>export：复制缺陷图片。</translation>
    </message>
    <message>
        <source>export: a folder level for the project name.</source>
        <translation>export：按工程名称建立一级目录。</translation>
    </message>
    <message>
        <source>export: a folder level for the road name.</source>
        <translation>export：按道路名称建立一级目录。</translation>
    </message>
    <message>
        <source>export: a folder level for the pipeline type.</source>
        <translation>export：按管道类型建立一级目录。</translation>
    </message>
    <message>
        <source>export: file names begin with the pipeline number (else a random name).</source>
        <translation>export：文件名以管道编号开头（否则为随机名称）。</translation>
    </message>
    <message>
        <source>export: file names carry the date after the pipeline number.</source>
        <translation>export：文件名在管道编号后带日期。</translation>
    </message>
    <message>
        <source>export: the folder to export into.</source>
        <translation>export：导出到的文件夹。</translation>
    </message>
    <message>
        <source>usage: tq420-cli export --app-dir DIR --project NUMBER --to DIR [--videos on|off ...]</source>
        <translation>用法：tq420-cli export --app-dir DIR --project NUMBER --to DIR [--videos on|off ...]</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <translation>--%1 只接受 on 或 off，而不是“%2”</translation>
    </message>
    <message>
        <source>%1: %2 sheets, %3 videos, %4 images written, %5 files skipped</source>
        <translation>%1：已写入 %2 个表格、%3 个视频、%4 张图片，跳过 %5 个文件</translation>
    </message>
    <message>
        <source>%1: the export is incomplete: %2 sheets and %3 files could not be written</source>
        <translation>%1：导出不完整：%2 个表格和 %3 个文件无法写入</translation>
    </message>
</context>
<context>
    <name>GenerateReportDlg</name>
    <message>
        <source>Generate report</source>
        <translation>生成报告</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;After adding rtv file , then you can press the button used to generate report&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;添加 RTV 文件后，即可点击按钮生成报告&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>%1 documents were selected and %2 test reports were generated according to the evaluation criteria</source>
        <translation>已选择 %1 个文件，将按评估标准生成 %2 份检测报告</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>检测员</translation>
    </message>
    <message>
        <source>Inspection Date</source>
        <translation>检测日期</translation>
    </message>
    <message>
        <source>Inspection site</source>
        <translation>检测地点</translation>
    </message>
    <message>
        <source>Defect count</source>
        <translation>缺陷数量</translation>
    </message>
    <message>
        <source>RTV (*.RTV *.rtv)</source>
        <translation>RTV 文件 (*.RTV *.rtv)</translation>
    </message>
    <message>
        <source>Please to add RTV file firstly .</source>
        <translation>请先添加 RTV 文件。</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The report could not be made: %1</source>
        <translation>无法生成报告：%1</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The report was saved as %1, but no program could open it.</source>
        <translation>报告已保存为 %1，但没有程序能打开它。</translation>
    </message>
    <message>
        <source>The report was saved as %1.</source>
        <translation>报告已保存为 %1。</translation>
    </message>
</context>
<context>
    <name>InspectCommand</name>
    <message>
        <source>cannot read the file</source>
        <translation>无法读取文件</translation>
    </message>
    <message>
        <source>cannot copy the file to a temporary folder</source>
        <translation>无法将文件复制到临时文件夹</translation>
    </message>
    <message>
        <source>cannot open the file as an SQLite database</source>
        <translation>无法作为 SQLite 数据库打开文件</translation>
    </message>
    <message>
        <source>not a readable RTV inspection file</source>
        <translation>不是可读取的 RTV 检测文件</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>  Error: %1</source>
        <translation>  错误：%1</translation>
    </message>
    <message>
        <source>  Version %1, migrated to the current version</source>
        <translation>  版本 %1，已升级为当前版本</translation>
    </message>
    <message>
        <source>  Version %1</source>
        <translation>  版本 %1</translation>
    </message>
    <message>
        <source>  Site: %1   Date: %2   Tester: %3   Unit: %4</source>
        <translation>  检测地点：%1   日期：%2   检测员：%3   检测单位：%4</translation>
    </message>
    <message>
        <source>  Pipe section: %1 -&gt; %2, %3, diameter %4 mm, length %5 m</source>
        <translation>  管段：%1 -&gt; %2，%3，管径 %4 毫米，长度 %5 米</translation>
    </message>
    <message>
        <source>  Interpreted: %1   Track samples: %2</source>
        <translation>  已判读：%1   轨迹采样：%2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>  Defects: %1</source>
        <translation>  缺陷：%1</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>分值 %1</translation>
    </message>
    <message>
        <source>  Structural: S %1, Smax %2, F %3, grade %4: %5</source>
        <translation>  结构性：S %1，Smax %2，F %3，等级 %4：%5</translation>
    </message>
    <message>
        <source>    Density %1 (%2); repair index RI %3, grade %4: %5</source>
        <translation>    缺陷密度 %1（%2）；修复指数 RI %3，等级 %4：%5</translation>
    </message>
    <message>
        <source>  Functional: Y %1, Ymax %2, G %3, grade %4: %5</source>
        <translation>  功能性：Y %1，Ymax %2，G %3，等级 %4：%5</translation>
    </message>
    <message>
        <source>    Density %1 (%2); maintenance index MI %3, grade %4: %5</source>
        <translation>    缺陷密度 %1（%2）；养护指数 MI %3，等级 %4：%5</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>topToolBar</source>
        <translation>顶部工具栏</translation>
    </message>
    <message>
        <source>KLN-TQ420</source>
        <translation>KLN-TQ420 管道检测系统</translation>
    </message>
    <message>
        <source>&lt;p&gt; &lt;b&gt;KLN-TQ420&lt;/b&gt; &lt;/p&gt; </source>
        <translation>&lt;p&gt; &lt;b&gt;KLN-TQ420&lt;/b&gt; &lt;/p&gt; </translation>
    </message>
    <message>
        <source>&lt;p&gt; Version: 1.0.10718 &lt;/p&gt; </source>
        <translation>&lt;p&gt; 版本：1.0.10718 &lt;/p&gt; </translation>
    </message>
    <message>
        <source>&lt;p&gt; Office software of the KLN-TQ420 pipe inspection robot. &lt;/p&gt; </source>
        <translation>&lt;p&gt; KLN-TQ420 管道检测机器人的内业处理软件。 &lt;/p&gt; </translation>
    </message>
    <message>
        <source>&lt;p&gt; Keeps inspection projects, imports videos with their inspection files and reviews every defect. &lt;/p&gt; </source>
        <translation>&lt;p&gt; 管理检测工程，导入视频及其检测文件，逐一审核缺陷。 &lt;/p&gt; </translation>
    </message>
    <message>
        <source>&lt;p&gt; Evaluates each pipe section by CJJ 181-2012. &lt;/p&gt; </source>
        <translation>&lt;p&gt; 按 CJJ 181-2012 评估每个管段。 &lt;/p&gt; </translation>
    </message>
    <message>
        <source>&lt;p&gt; Writes the inspection report, the sheets and the export directory. &lt;/p&gt; </source>
        <translation>&lt;p&gt; 生成检测报告、表格和导出目录。 &lt;/p&gt; </translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>After Switching language , the application will be restarted automatically, are you sure to switch language ?</source>
        <translation>切换语言后，程序将自动重新启动，确定要切换语言吗？</translation>
    </message>
    <message>
        <source>Defect Scatter is not available in this version.</source>
        <translation>此版本不提供缺陷分布功能。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&lt;p&gt; The user guide is the file README.md that comes with the program&apos;s sources. &lt;/p&gt; </source>
        <translation>&lt;p&gt; 用户指南是随程序源代码提供的 README.md 文件。 &lt;/p&gt; </translation>
    </message>
    <message>
        <source>Each interface language keeps its own projects, settings and file cache: after the switch the project list shows the projects of the other language, and switching back shows these projects again.</source>
        <translation>每种界面语言都有各自的工程、设置和文件缓存：切换后工程列表显示另一种语言的工程，切换回来后会再次显示这些工程。</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MyTitleBar</name>
    <message>
        <source>Minimum</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>PipelineParam</name>
    <message>
        <source>Downcurrent</source>
        <translation>顺流</translation>
    </message>
    <message>
        <source>Countercurrent</source>
        <translation>逆流</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>no project with the number &quot;%1&quot;</source>
        <translation>没有编号为“%1”的工程</translation>
    </message>
    <message>
        <source>Please at least fill in the necessary information</source>
        <translation>请至少填写必要的信息</translation>
    </message>
    <message>
        <source>not a date in the form yyyy-MM-dd: %1</source>
        <translation>日期格式应为 yyyy-MM-dd：%1</translation>
    </message>
    <message>
        <source>projectNum can&apos;t be same</source>
        <translation>工程编号不能重复</translation>
    </message>
    <message>
        <source>the project could not be stored</source>
        <translation>工程未能保存</translation>
    </message>
    <message>
        <source>the project folder could not be created</source>
        <translation>无法创建工程文件夹</translation>
    </message>
    <message>
        <source>project %1 added, key %2</source>
        <translation>已添加工程 %1，标识 %2</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  videos %5, pipes %6, %7 m, defects %8, key %9</source>
        <translation>%1  %2  %3  %4  视频 %5，管段 %6，%7 米，缺陷 %8，标识 %9</translation>
    </message>
    <message>
        <source>%1: imported as %2, RTV file %3, %4 defects</source>
        <translation>%1：已导入为 %2，RTV 文件%3，缺陷 %4 个</translation>
    </message>
    <message>
        <source>copied from beside the video</source>
        <translation>从视频旁复制</translation>
    </message>
    <message>
        <source>converted from the video description file</source>
        <translation>由视频描述文件转换</translation>
    </message>
    <message>
        <source>created empty</source>
        <translation>新建为空文件</translation>
    </message>
</context>
<context>
    <name>ProjectParam</name>
    <message>
        <source>CCTV Pipeline robot</source>
        <translation>CCTV管道机器人</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
</context>
<context>
    <name>QAddVedioThread</name>
    <message>
        <source>no inspection file to read the RTV file into</source>
        <translation>没有可读入RTV文件的检测文件</translation>
    </message>
</context>
<context>
    <name>QDefectImgWidget</name>
    <message>
        <source>No picture of this defect</source>
        <translation>此缺陷没有图片</translation>
    </message>
</context>
<context>
    <name>QDefectInfoManage</name>
    <message>
        <source>RoadName</source>
        <translation>道路名称</translation>
    </message>
    <message>
        <source>PipeNum</source>
        <translation>管道编号</translation>
    </message>
    <message>
        <source>PipeType</source>
        <translation>管道类型</translation>
    </message>
    <message>
        <source>PipeMeterial</source>
        <translation>管道材质</translation>
    </message>
    <message>
        <source>PipeDiameter</source>
        <translation>管径</translation>
    </message>
    <message>
        <source>DefectName</source>
        <translation>缺陷名称</translation>
    </message>
    <message>
        <source>DefectLevel</source>
        <translation>缺陷等级</translation>
    </message>
    <message>
        <source>DefectType</source>
        <translation>缺陷性质</translation>
    </message>
    <message>
        <source>DefectPosion</source>
        <translation>缺陷位置</translation>
    </message>
    <message>
        <source>TestDate</source>
        <translation>检测日期</translation>
    </message>
    <message>
        <source>InterpretaionDate</source>
        <translation>判读日期</translation>
    </message>
    <message>
        <source>HashCode</source>
        <translation>哈希码</translation>
    </message>
    <message>
        <source>VedioHashCode</source>
        <translation>视频哈希码</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>ImagePath</source>
        <translation>图片路径</translation>
    </message>
    <message>
        <source>ProHashCode</source>
        <translation>工程哈希码</translation>
    </message>
    <message>
        <source>TimeIndex</source>
        <translation>时间索引</translation>
    </message>
    <message>
        <source>DefectLength</source>
        <translation>缺陷长度</translation>
    </message>
</context>
<context>
    <name>QDlgAddElement</name>
    <message>
        <source>Equipment information</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Personnel information</source>
        <translation>人员信息</translation>
    </message>
    <message>
        <source>Equipment name:</source>
        <translation>设备名称：</translation>
    </message>
    <message>
        <source>Equipment type:</source>
        <translation>设备型号：</translation>
    </message>
    <message>
        <source>Manufacturing number:</source>
        <translation>出厂编号：</translation>
    </message>
    <message>
        <source>Authentication number:</source>
        <translation>检定证书编号：</translation>
    </message>
    <message>
        <source>manufacturer:</source>
        <translation>生产厂家：</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>Identification card :</source>
        <translation>身份证号：</translation>
    </message>
    <message>
        <source>Duties on a project :</source>
        <translation>项目职务：</translation>
    </message>
    <message>
        <source>Telephone number:</source>
        <translation>电话号码：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QDlgDataExport</name>
    <message>
        <source>Detect information</source>
        <translation>检测信息</translation>
    </message>
    <message>
        <source>Interpretation information</source>
        <translation>判读信息</translation>
    </message>
    <message>
        <source>Segmet information</source>
        <translation>管段信息</translation>
    </message>
    <message>
        <source>Detected video</source>
        <translation>检测视频</translation>
    </message>
    <message>
        <source>Detected image</source>
        <translation>检测图片</translation>
    </message>
    <message>
        <source>Segmet image</source>
        <translation>管段图片</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>工程名称</translation>
    </message>
    <message>
        <source>Road Name</source>
        <translation>道路名称</translation>
    </message>
    <message>
        <source>Pipeline type</source>
        <translation>管道类型</translation>
    </message>
    <message>
        <source>Pipeline No.</source>
        <translation>管道编号</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Data export-KLN-TQ420</source>
        <translation>数据导出-KLN-TQ420</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Rule of file named</source>
        <translation>文件命名规则</translation>
    </message>
    <message>
        <source>Set pigeonhole directory</source>
        <translation>归档目录设置</translation>
    </message>
    <message>
        <source>Select content exported</source>
        <translation>导出内容选择</translation>
    </message>
</context>
<context>
    <name>QDlgDetail</name>
    <message>
        <source>level%1:</source>
        <translation>%1级：</translation>
    </message>
    <message>
        <source>Vertical %1~%2 meters, ring to %3%4</source>
        <translation>纵向%1~%2米，环向%3%4</translation>
    </message>
    <message>
        <source>	●	</source>
        <translation>	●	</translation>
    </message>
    <message>
        <source> exists</source>
        <translation>存在</translation>
    </message>
    <message>
        <source> . 
	</source>
        <translation>。
	</translation>
    </message>
    <message>
        <source> . </source>
        <translation>。</translation>
    </message>
    <message>
        <source>Defect details</source>
        <translation>缺陷详情</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
</context>
<context>
    <name>QDlgPagingSetting</name>
    <message>
        <source>Paging settings</source>
        <translation>分页设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>One page</source>
        <translation>每页</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>转到页</translation>
    </message>
    <message>
        <source>lines , %1 pages</source>
        <translation>行，共 %1 页</translation>
    </message>
</context>
<context>
    <name>QDlgSetLanguage</name>
    <message>
        <source>Language Settings</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QDlgSystemSettings</name>
    <message>
        <source>System Setting</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>常规设置</translation>
    </message>
    <message>
        <source>Option settings</source>
        <translation>选项设置</translation>
    </message>
    <message>
        <source>Personal manager</source>
        <translation>人员管理</translation>
    </message>
    <message>
        <source>Equipment manager</source>
        <translation>设备管理</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QExcelEngine</name>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Please to check that the Excel or ET is installed ?</source>
        <translation>请检查是否已安装 Excel 或 WPS 表格？</translation>
    </message>
    <message>
        <source>No workbook is open.</source>
        <translation>没有打开的工作簿。</translation>
    </message>
</context>
<context>
    <name>QExportReportThread</name>
    <message>
        <source>None of the project&apos;s RTV files could be read.</source>
        <translation>无法读取该工程的任何 RTV 文件。</translation>
    </message>
</context>
<context>
    <name>QMutilLineDelegate</name>
    <message>
        <source>The string could&apos;t be empty .</source>
        <translation>内容不能为空。</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The date format must be &apos;YYYY-MM-DD&apos; ,please put in again</source>
        <translation>日期格式必须为“YYYY-MM-DD”，请重新输入</translation>
    </message>
</context>
<context>
    <name>QPageChild</name>
    <message>
        <source>BaseTable</source>
        <translation>基础表</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Database Error:</source>
        <translation>数据库错误：</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Performing a delete operation ,are you sure to delete the row ?</source>
        <translation>正在执行删除操作，确定删除该行吗？</translation>
    </message>
    <message>
        <source>Export project detais sheet</source>
        <translation>导出工程详情表</translation>
    </message>
    <message>
        <source>Export acceptance video sheet</source>
        <translation>导出验收视频表</translation>
    </message>
    <message>
        <source>Export interpretion record sheet</source>
        <translation>导出判读记录表</translation>
    </message>
    <message>
        <source>_project details.xls</source>
        <translation>_工程详情.xls</translation>
    </message>
    <message>
        <source>__acceptance video.xls</source>
        <translation>__验收视频.xls</translation>
    </message>
    <message>
        <source>__interpretion record.xls</source>
        <translation>__判读记录.xls</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The current sheet is empty !</source>
        <translation>当前表格为空！</translation>
    </message>
    <message>
        <source>Not available yet: this comes with a later version</source>
        <translation>暂不可用：此功能将在后续版本中提供</translation>
    </message>
    <message>
        <source>The sheet %1 could not be written: %2</source>
        <translation>无法写入表格 %1：%2</translation>
    </message>
</context>
<context>
    <name>QPageCommonSettings</name>
    <message>
        <source>Inspection unit</source>
        <translation>检测单位</translation>
    </message>
    <message>
        <source>Organization code:</source>
        <translation>机构代码：</translation>
    </message>
    <message>
        <source>Company name:</source>
        <translation>单位名称：</translation>
    </message>
    <message>
        <source>Company address:</source>
        <translation>单位地址：</translation>
    </message>
    <message>
        <source>Contact number:</source>
        <translation>联系电话：</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>邮政编码：</translation>
    </message>
    <message>
        <source>Contact person:</source>
        <translation>联系人：</translation>
    </message>
    <message>
        <source>Report writer:</source>
        <translation>报告编写人：</translation>
    </message>
    <message>
        <source>Map center</source>
        <translation>地图中心</translation>
    </message>
    <message>
        <source>Starting position:</source>
        <translation>起始位置：</translation>
    </message>
    <message>
        <source>Longitude and latitude:</source>
        <translation>经纬度：</translation>
    </message>
    <message>
        <source>Report settings</source>
        <translation>报告设置</translation>
    </message>
    <message>
        <source>Evaluation stardard:</source>
        <translation>评估标准：</translation>
    </message>
    <message>
        <source>Report template:</source>
        <translation>报告模板：</translation>
    </message>
    <message>
        <source>Technical Specification for Inspection and Evaluation of Urban Sewer (CJJ 181-2012)</source>
        <translation>城镇排水管道检测与评估技术规程（CJJ 181-2012）</translation>
    </message>
</context>
<context>
    <name>QPageDefectInfo</name>
    <message>
        <source>RoadName,PipeNum,PipeType,PipeMeterial,DefectName,DefectLevel,DefectProperty,TestDate,InterpretateDate</source>
        <translation>道路名称,管段编号,管道类型,管道材质,缺陷名称,缺陷等级,缺陷性质,检测日期,判读日期</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>LastedTested First</source>
        <translation>最近检测优先</translation>
    </message>
    <message>
        <source>LastedInterpreted First</source>
        <translation>最近判读优先</translation>
    </message>
    <message>
        <source>Custom Sort</source>
        <translation>自定义排序</translation>
    </message>
    <message>
        <source>_%1 inspection .doc</source>
        <translation>_%1检测报告.doc</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>The exporting report operation in progress , please wait ...</source>
        <translation>正在导出报告，请稍候...</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Export report successfully , do you want to open this ?</source>
        <translation>报告导出成功，是否打开？</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The report could not be exported: %1</source>
        <translation>无法导出报告：%1</translation>
    </message>
</context>
<context>
    <name>QPageOptionSettings</name>
    <message>
        <source>Option list name</source>
        <translation>选项列表名称</translation>
    </message>
    <message>
        <source>Option list content</source>
        <translation>选项列表内容</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Add option content:</source>
        <translation>选项内容：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the list.</source>
        <translation>“%1”已在列表中。</translation>
    </message>
    <message>
        <source>The list is full (%1 entries): delete one first.</source>
        <translation>列表已满（%1 项）：请先删除一项。</translation>
    </message>
</context>
<context>
    <name>QPagePersonEquipment</name>
    <message>
        <source>Add Equipment</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Add Person</source>
        <translation>添加人员</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>职务：</translation>
    </message>
    <message>
        <source>DalmeRon</source>
        <translation>DalmeRon</translation>
    </message>
</context>
<context>
    <name>QPageProjectInfo</name>
    <message>
        <source>ProjectNum,ProjectName,ProjectSite,Principal</source>
        <translation>工程编号,工程名称,工程地点,负责人</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>One Month</source>
        <translation>一个月</translation>
    </message>
    <message>
        <source>Three Month</source>
        <translation>三个月</translation>
    </message>
    <message>
        <source>Six Month</source>
        <translation>六个月</translation>
    </message>
    <message>
        <source>Nine Month</source>
        <translation>九个月</translation>
    </message>
    <message>
        <source>One year</source>
        <translation>一年</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Detail List</source>
        <translation>详细列表</translation>
    </message>
    <message>
        <source>Count List</source>
        <translation>统计列表</translation>
    </message>
    <message>
        <source>&amp;Vedio Manage</source>
        <translation>视频管理(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Report Generate</source>
        <translation>报告生成(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Defect Scatter</source>
        <translation>缺陷分布(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Export Data</source>
        <translation>导出数据(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Project details</source>
        <translation>工程详情</translation>
    </message>
    <message>
        <source>Project statistics</source>
        <translation>工程统计</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please at least fill in the necessary information</source>
        <translation>请至少填写必填信息</translation>
    </message>
    <message>
        <source>projectNum can&apos;t be same</source>
        <translation>工程编号不能重复</translation>
    </message>
    <message>
        <source>Data export</source>
        <translation>数据导出</translation>
    </message>
    <message>
        <source>The export directory is empty</source>
        <translation>导出目录为空</translation>
    </message>
    <message>
        <source>Data export operation in progress, please wait ...</source>
        <translation>正在导出数据，请稍候...</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Data export has finished , do you sure to open the directory ?</source>
        <translation>数据导出已完成，是否打开导出目录？</translation>
    </message>
    <message>
        <source>The new project has not been saved yet. Save it now? (Cancel keeps it open for editing.)</source>
        <translation>新项目尚未保存。现在保存吗？（取消则继续编辑。）</translation>
    </message>
    <message>
        <source>The changes to the project have not been saved yet. Save them now? (Cancel keeps them open for editing.)</source>
        <translation>项目的修改尚未保存。现在保存吗？（取消则继续编辑。）</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……以及另外 %1 项</translation>
    </message>
    <message>
        <source>These files were not exported:
%1</source>
        <translation>以下文件未导出：
%1</translation>
    </message>
    <message>
        <source>Nothing was exported to %1 .</source>
        <translation>没有任何内容导出到 %1 。</translation>
    </message>
    <message>
        <source>No new project can be added: the project database cannot be read.</source>
        <translation>无法添加新工程：无法读取工程数据库。</translation>
    </message>
</context>
<context>
    <name>QPageVedioInfo</name>
    <message>
        <source>RoadName,PipeNum</source>
        <translation>道路名称,管段编号</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>判读</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Spike</source>
        <translation>抽查</translation>
    </message>
    <message>
        <source>None Interpretate First</source>
        <translation>未判读优先</translation>
    </message>
    <message>
        <source>Record First</source>
        <translation>录制日期优先</translation>
    </message>
    <message>
        <source>Export First</source>
        <translation>导入日期优先</translation>
    </message>
    <message>
        <source>Custom Sort</source>
        <translation>自定义排序</translation>
    </message>
    <message>
        <source>&amp;Add video</source>
        <translation>添加视频(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>The switching pipeline operation in progress ,please wait ...</source>
        <translation>正在切换管段，请稍候...</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <source>Vedio Files(*.AVI *.ASF *.MP4 *.MPG *.WMV *.MKV *.RMVB *.VOB *.3GP)</source>
        <translation>视频文件(*.AVI *.ASF *.MP4 *.MPG *.WMV *.MKV *.RMVB *.VOB *.3GP)</translation>
    </message>
    <message>
        <source>The adding video operation in progress , please wait ......</source>
        <translation>正在添加视频，请稍候......</translation>
    </message>
</context>
<context>
    <name>QPagingWidget</name>
    <message>
        <source>%1 of %2 pages</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>QProjectInfoManage</name>
    <message>
        <source>ProjectNum</source>
        <translation>工程编号</translation>
    </message>
    <message>
        <source>ProjectName</source>
        <translation>工程名称</translation>
    </message>
    <message>
        <source>ProjectSite</source>
        <translation>工程地点</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>负责人</translation>
    </message>
    <message>
        <source>CommencementDate</source>
        <translation>开工日期</translation>
    </message>
    <message>
        <source>ReportnNumber</source>
        <translation>报告编号</translation>
    </message>
    <message>
        <source>ClientnUnits</source>
        <translation>委托单位</translation>
    </message>
    <message>
        <source>ConstructionUnits</source>
        <translation>施工单位</translation>
    </message>
    <message>
        <source>DesignnUnits</source>
        <translation>设计单位</translation>
    </message>
    <message>
        <source>BuildnUnits</source>
        <translation>建设单位</translation>
    </message>
    <message>
        <source>SupervisenUnits</source>
        <translation>监理单位</translation>
    </message>
    <message>
        <source>MeasureType</source>
        <translation>检测类型</translation>
    </message>
    <message>
        <source>MoveMethod</source>
        <translation>移动方式</translation>
    </message>
    <message>
        <source>SealMethod</source>
        <translation>封堵方式</translation>
    </message>
    <message>
        <source>DrainageMethod</source>
        <translation>排水方式</translation>
    </message>
    <message>
        <source>DesiltMethod</source>
        <translation>清疏方式</translation>
    </message>
    <message>
        <source>VedioNums</source>
        <translation>视频数量</translation>
    </message>
    <message>
        <source>PipeNums</source>
        <translation>管道数量</translation>
    </message>
    <message>
        <source>Mileages</source>
        <translation>检测里程</translation>
    </message>
    <message>
        <source>StandardInterpretationNums</source>
        <translation>标准判读数量</translation>
    </message>
    <message>
        <source>InterpretationNums</source>
        <translation>判读数量</translation>
    </message>
    <message>
        <source>HashCode</source>
        <translation>哈希码</translation>
    </message>
</context>
<context>
    <name>QSystemInfo</name>
    <message>
        <source>InstitutionCode</source>
        <translation>机构代码</translation>
    </message>
    <message>
        <source>UnitName</source>
        <translation>单位名称</translation>
    </message>
    <message>
        <source>UnitSite</source>
        <translation>单位地址</translation>
    </message>
    <message>
        <source>ContactNumber</source>
        <translation>联系电话</translation>
    </message>
    <message>
        <source>PostCode</source>
        <translation>邮政编码</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>Reporters</source>
        <translation>报告编写人</translation>
    </message>
    <message>
        <source>OriginPosition</source>
        <translation>地图中心</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>评估标准</translation>
    </message>
    <message>
        <source>ReportTemplate</source>
        <translation>报告模板</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>省份</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>District</source>
        <translation>区县</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>No</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>CardID</source>
        <translation>证件号</translation>
    </message>
    <message>
        <source>TelNo</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Manufacturers</source>
        <translation>生产厂家</translation>
    </message>
    <message>
        <source>TestType</source>
        <translation>检测类型</translation>
    </message>
    <message>
        <source>RoutineWitnessTest</source>
        <translation>常规见证检测</translation>
    </message>
    <message>
        <source>RoutineInspection</source>
        <translation>常规检测</translation>
    </message>
    <message>
        <source>SampleInspection</source>
        <translation>抽样检测</translation>
    </message>
    <message>
        <source>DelegateInspection</source>
        <translation>委托检测</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>MoveMode</source>
        <translation>移动方式</translation>
    </message>
    <message>
        <source>ArtificialTraction</source>
        <translation>人工牵引</translation>
    </message>
    <message>
        <source>FloatingRaft</source>
        <translation>漂浮筏</translation>
    </message>
    <message>
        <source>CrawlerWalk</source>
        <translation>爬行器行走</translation>
    </message>
    <message>
        <source>BlockingWay</source>
        <translation>封堵方式</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>AirSeal</source>
        <translation>气囊封堵</translation>
    </message>
    <message>
        <source>BrickPlug</source>
        <translation>砖砌封堵</translation>
    </message>
    <message>
        <source>AirBagBrickPlug</source>
        <translation>气囊加砖砌封堵</translation>
    </message>
    <message>
        <source>CatchmentWay</source>
        <translation>导流方式</translation>
    </message>
    <message>
        <source>TempDrainPipe</source>
        <translation>临时排水管</translation>
    </message>
    <message>
        <source>TemporaryPumping</source>
        <translation>临时抽水</translation>
    </message>
    <message>
        <source>HydrophobicWay</source>
        <translation>清疏方式</translation>
    </message>
    <message>
        <source>WaterCannon</source>
        <translation>水枪冲洗</translation>
    </message>
    <message>
        <source>HighPressureDredge</source>
        <translation>高压射流清疏</translation>
    </message>
    <message>
        <source>InspectionWellMaterial</source>
        <translation>检查井材质</translation>
    </message>
    <message>
        <source>Brick</source>
        <translation>砖砌</translation>
    </message>
    <message>
        <source>Plastics</source>
        <translation>塑料</translation>
    </message>
    <message>
        <source>ReinforcedConcrete</source>
        <translation>钢筋混凝土</translation>
    </message>
    <message>
        <source>UnKnow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>ManholeCoversMaterial</source>
        <translation>井盖材质</translation>
    </message>
    <message>
        <source>CastIron</source>
        <translation>铸铁</translation>
    </message>
    <message>
        <source>PipeType</source>
        <translation>管道类型</translation>
    </message>
    <message>
        <source>RainwaterPipeline</source>
        <translation>雨水管道</translation>
    </message>
    <message>
        <source>SeweragePipes</source>
        <translation>污水管道</translation>
    </message>
    <message>
        <source>RainPollutionConfluencePipes</source>
        <translation>雨污合流管道</translation>
    </message>
    <message>
        <source>PipeMaterial</source>
        <translation>管道材质</translation>
    </message>
    <message>
        <source>GlassSteelPipe</source>
        <translation>玻璃钢管</translation>
    </message>
    <message>
        <source>SteelPipe</source>
        <translation>钢管</translation>
    </message>
    <message>
        <source>ReinforcedConcretePipe</source>
        <translation>钢筋混凝土管</translation>
    </message>
    <message>
        <source>HDPE Double-WallCorrugatedPipe</source>
        <translation>HDPE双壁波纹管</translation>
    </message>
    <message>
        <source>ConcretePipe</source>
        <translation>混凝土管</translation>
    </message>
    <message>
        <source>PlasticsPipe</source>
        <translation>塑料管</translation>
    </message>
    <message>
        <source>AsbestosCementPipe</source>
        <translation>石棉水泥管</translation>
    </message>
    <message>
        <source>CeramicPipe</source>
        <translation>陶瓷管</translation>
    </message>
    <message>
        <source>ClayPipe</source>
        <translation>陶土管</translation>
    </message>
    <message>
        <source>MasonryDitch</source>
        <translation>砖石沟渠</translation>
    </message>
    <message>
        <source>CastIconPipe</source>
        <translation>铸铁管</translation>
    </message>
    <message>
        <source>Reinforced-PVCU-Pipe</source>
        <translation>加筋PVC-U管</translation>
    </message>
    <message>
        <source>Steel-PlasticCompositePipe</source>
        <translation>钢塑复合管</translation>
    </message>
    <message>
        <source>SandPipe</source>
        <translation>夹砂管</translation>
    </message>
    <message>
        <source>InterfaceShape</source>
        <translation>截面形状</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Egg-Shaped</source>
        <translation>蛋形</translation>
    </message>
    <message>
        <source>Y-Shaped</source>
        <translation>Y形</translation>
    </message>
    <message>
        <source>InerfaceForm</source>
        <translation>接口形式</translation>
    </message>
    <message>
        <source>RubberRingJoint</source>
        <translation>橡胶圈接口</translation>
    </message>
    <message>
        <source>SocketRubberRingJoint</source>
        <translation>承插式橡胶圈接口</translation>
    </message>
    <message>
        <source>SleeveRubberRingJoint</source>
        <translation>套筒式橡胶圈接口</translation>
    </message>
    <message>
        <source>ElectricalHotMeltTapeJoint</source>
        <translation>电热熔带接口</translation>
    </message>
    <message>
        <source>HeatShrinkableBeltJoint</source>
        <translation>热收缩带接口</translation>
    </message>
    <message>
        <source>Cast-in-placeConcreteRingJoint</source>
        <translation>现浇混凝土套环接口</translation>
    </message>
    <message>
        <source>Cast-in-placeConcreteRingFlexibilityJoint</source>
        <translation>现浇混凝土套环柔性接口</translation>
    </message>
    <message>
        <source>SteelMeshCementMortarJoint</source>
        <translation>钢丝网水泥砂浆抹带接口</translation>
    </message>
    <message>
        <source>Technical Specification for Inspection and Evaluation of Urban Sewer (CJJ 181-2012)</source>
        <translation>城镇排水管道检测与评估技术规程(CJJ 181-2012)</translation>
    </message>
    <message>
        <source>CCTV Pipeline robot</source>
        <translation>CCTV管道机器人</translation>
    </message>
    <message>
        <source>KLN-TQ420</source>
        <translation>KLN-TQ420</translation>
    </message>
    <message>
        <source>DalmeRon</source>
        <translation>达尔美隆</translation>
    </message>
    <message>
        <source>Pipeline periscope</source>
        <translation>管道潜望镜</translation>
    </message>
    <message>
        <source>KLN-PX(A)</source>
        <translation>KLN-PX(A)</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the disk may be full or write-protected. The previous settings file is kept.</source>
        <translation>设置无法保存到 %1：磁盘可能已满或被写保护。原有的设置文件保持不变。</translation>
    </message>
</context>
<context>
    <name>QTableShow</name>
    <message>
        <source>Project details list</source>
        <translation>工程信息列表</translation>
    </message>
    <message>
        <source>Video manager list</source>
        <translation>视频管理列表</translation>
    </message>
    <message>
        <source>Report generator list</source>
        <translation>报告生成列表</translation>
    </message>
</context>
<context>
    <name>QTopToolBar</name>
    <message>
        <source>&amp;Project Manage</source>
        <translation>工程管理(&amp;P)</translation>
    </message>
    <message>
        <source>Project Manage</source>
        <translation>工程管理</translation>
    </message>
    <message>
        <source>&amp;Vedio Manage</source>
        <translation>视频管理(&amp;V)</translation>
    </message>
    <message>
        <source>Vedio Manage</source>
        <translation>视频管理</translation>
    </message>
    <message>
        <source>&amp;Report Generate</source>
        <translation>报告生成(&amp;R)</translation>
    </message>
    <message>
        <source>Report Generate</source>
        <translation>报告生成</translation>
    </message>
    <message>
        <source>&amp;Defect Scatter</source>
        <translation>缺陷分布(&amp;D)</translation>
    </message>
    <message>
        <source>Defect Scatter</source>
        <translation>缺陷分布</translation>
    </message>
    <message>
        <source>&amp;System Setting</source>
        <translation>系统设置(&amp;S)</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Defect Scatter is not available in this version.</source>
        <translation>此版本不提供缺陷分布功能。</translation>
    </message>
</context>
<context>
    <name>QVedioInfoManage</name>
    <message>
        <source>RoadName</source>
        <translation>道路名称</translation>
    </message>
    <message>
        <source>PipeNum</source>
        <translation>管道编号</translation>
    </message>
    <message>
        <source>PipeType</source>
        <translation>管道类型</translation>
    </message>
    <message>
        <source>PipeMeterial</source>
        <translation>管道材质</translation>
    </message>
    <message>
        <source>VedioFileName</source>
        <translation>视频文件名</translation>
    </message>
    <message>
        <source>RecordDate</source>
        <translation>录制日期</translation>
    </message>
    <message>
        <source>ImportDate</source>
        <translation>导入日期</translation>
    </message>
    <message>
        <source>DefectNums</source>
        <translation>缺陷数量</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>HashCode</source>
        <translation>哈希码</translation>
    </message>
    <message>
        <source>ProHashCode</source>
        <translation>工程哈希码</translation>
    </message>
    <message>
        <source>PipeSectionLen</source>
        <translation>管段长度</translation>
    </message>
    <message>
        <source>PipeBranchDepth</source>
        <translation>管道埋深</translation>
    </message>
    <message>
        <source>PipeSectionDiameter</source>
        <translation>管段直径</translation>
    </message>
</context>
<context>
    <name>QWordEngine</name>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Please to check that the word or wps is installed !</source>
        <translation>请检查是否已安装 Word 或 WPS 文字！</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>没有打开的文档。</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>%1: no such file</source>
        <translation>%1：文件不存在</translation>
    </message>
    <message>
        <source>no project with the number &quot;%1&quot;</source>
        <translation>没有编号为“%1”的工程</translation>
    </message>
    <message>
        <source>the project has no videos</source>
        <translation>该工程没有视频</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1：无法读取</translation>
    </message>
    <message>
        <source>no readable RTV file</source>
        <translation>没有可读取的 RTV 文件</translation>
    </message>
    <message>
        <source>%1: report of %2 sections, %3 defects</source>
        <translation>%1：报告包含 %2 个管段，%3 处缺陷</translation>
    </message>
    <message>
        <source>%1: the report could not be written: %2</source>
        <translation>%1：无法写入报告：%2</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>Interpretation information</source>
        <translation>判读信息</translation>
    </message>
    <message>
        <source>Detected and evaluated information</source>
        <translation>检测与评估信息</translation>
    </message>
    <message>
        <source>the sheet kind is 0, 1, 2 or 3</source>
        <translation>表格种类应为 0、1、2 或 3</translation>
    </message>
    <message>
        <source>%1: %2 rows written</source>
        <translation>%1：已写入 %2 行</translation>
    </message>
    <message>
        <source>%1: the sheet could not be written: %2</source>
        <translation>%1：无法写入表格：%2</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>未指定文件名。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 是一个文件夹。</translation>
    </message>
    <message>
        <source>Cannot create a file in %1: %2</source>
        <translation>无法在 %1 中创建文件：%2</translation>
    </message>
    <message>
        <source>%1 could not be written (is the disk full?).</source>
        <translation>无法写入 %1（磁盘是否已满？）。</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
</context>
</TS>
