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
        <source>cannot copy the video</source>
        <translation>无法复制视频</translation>
    </message>
    <message>
        <source>cannot create the RTV file</source>
        <translation>无法创建 RTV 文件</translation>
    </message>
    <message>
        <source>the defects could not be stored in the project database. </source>
        <translation>缺陷未能保存到工程数据库。</translation>
    </message>
    <message>
        <source>the RTV file beside the video could not be read. </source>
        <translation>视频旁的 RTV 文件无法读取。</translation>
    </message>
    <message>
        <source>the video description file could not be read. </source>
        <translation>视频描述文件无法读取。</translation>
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
        <source>%1: cannot create the RTV file</source>
        <translation>%1：无法创建 RTV 文件</translation>
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
        <source>inspect [--json] FILE.rtv... | convert VIDEO.xml OUT.rtv | project add|list | import VIDEO... | defects | sheet | report [FILE.rtv...]</source>
        <translation>inspect [--json] 文件.rtv... | convert 视频描述.xml 输出.rtv | project add|list | import 视频... | defects | sheet | report [文件.rtv...]</translation>
    </message>
    <message>
        <source>usage: tq420-cli report --out FILE [--lang en|zh] FILE.rtv...</source>
        <translation>用法：tq420-cli report --out 文件 [--lang en|zh] 文件.rtv...</translation>
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
        <source>the video row could not be stored</source>
        <translation>视频记录未能保存</translation>
    </message>
    <message>
        <source>%1: imported as %2, RTV file %3, %4 defects</source>
        <translation>%1：已导入为 %2，RTV 文件%3，缺陷 %4 个</translation>
    </message>
    <message>
        <source>%1: not imported: %2</source>
        <translation>%1：未导入：%2</translation>
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
    <name>QExcelEngine</name>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Please to check that the Excel or ET is installed ?</source>
        <translation>请检查是否已安装 Excel 或 WPS 表格？</translation>
    </message>
</context>
<context>
    <name>QSystemInfo</name>
    <message>
        <source>KLN_TQ420_Settings.xml</source>
        <translation>KLN_TQ420_Settings.xml</translation>
    </message>
    <message>
        <source>KLN_TQ420_Settings_En.xml</source>
        <translation>KLN_TQ420_Settings_En.xml</translation>
    </message>
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
        <source>Hubei Province</source>
        <translation>湖北省</translation>
    </message>
    <message>
        <source>Wuhan City</source>
        <translation>武汉市</translation>
    </message>
    <message>
        <source>Hongshan District</source>
        <translation>洪山区</translation>
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
        <source>Person</source>
        <translation>人员</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>设备</translation>
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
        <source>%1: the report could not be written</source>
        <translation>%1：报告未能写入</translation>
    </message>
    <message>
        <source>%1: report of %2 sections, %3 defects</source>
        <translation>%1：报告包含 %2 个管段，%3 处缺陷</translation>
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
        <source>%1: the sheet could not be written</source>
        <translation>%1：表格未能写入</translation>
    </message>
    <message>
        <source>%1: %2 rows written</source>
        <translation>%1：已写入 %2 行</translation>
    </message>
</context>
</TS>
