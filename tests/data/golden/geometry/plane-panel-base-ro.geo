// Acest fisier a fost generat de KARVEL: programul ZENTRIX.
// El este "Geometry File" pentru MODULUL de BAZA.
//
Grinda plana                                                                    -Modulul de Baza
4   5   2   1   0
1   2   1   1
Reazeme_Elastice:Nici_unul
Unitati_de_baza:
m
cm2
kN
Nod&Coordonate:
1    0.              0.
2    0.              1.
3    2.              0.
4    2.              1.
Nod&Topologie:
1   1  3
2   2  4
3   3  4
4   1  4
5   1  2
Date_Elemente:
1  5   1.   0.
Materiale:
1   5   0   2.1E4   21.   21.   0.   0.
Sfarsit de fisier: plane.truss-BaseModule.dat
14/11/2023   22:13:20
