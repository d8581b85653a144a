OziExplorer Track Point File Version 2.1
WGS 84
Altitude is in Feet
Reserved 3
0,2,255,Walk,0,0,2,8421376
2
45.0,7.0,1,0,39756.5
45.1,7.1,0,0,9999999
45.2,7.2,0,0,39756.6
