OziExplorer Track Point File Version 2.1
WGS 84
Altitude is in Feet
Reserved 3
0,2,255,x,0,0,2,8421376
2
 1.5, 2.5,0,-777,36526.5
1.6,2.6,0,-777,36526.75