[Quobrix Sheme v.1.0]
[SHEME DATA]
Author=
Description=
Organization=
DocumentPages=1
SheetColor=16777215
SheetWidth=21000
SheetHeight=29700
ZoomPercents=100
[END]
[BLOCK DATA]
X=1000
Y=2000
W=3000
H=1500
BT=0
MC=16777215
SC=0
FS=0
GF=0
BC=0
BW=1
BS=0
Text=a||b
TF=Arial|-16777208|10|0000
TA=2
TP=0
Compl=2
Owner=2
Hyperlink=
LineArrows=0
[END]
[BLOCK DATA]
X=1000
Y=2000
W=3000
H=1500
BT=0
MC=16777215
SC=0
FS=0
GF=0
BC=0
BW=1
BS=0
Text=
TF=Arial|-16777208|10|1010
TA=2
TP=0
Compl=1
Owner=1
Hyperlink=
LineArrows=3
[END]
[SHEME END]
