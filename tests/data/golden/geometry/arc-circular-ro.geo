// Acest fisier a fost generat de KARVEL: programul ZENTRIX.
// El este "Geometry File" pentru KARVEL (fisierul de intrare pentru programul QUELP).
// El trebuie editat pentru a adauga/modifica valorile pentru:
// - Noduri blocate; Reazeme elastice (daca exista)
// - Unitati;
// - Proprietatile elementelor;
// - Proprietatile materialelor.
// Ediati fisierul direct, sau utilizati programul GEOSMITH.
//
Arc circular, doua module                                                       
6   9   2   1   0
5   6   1   1
3   4   1   1
Reazeme_Elastice:Nici_unul
Unitati_de_baza:
m
cm2
kN
Nod&Coordonate:
1    0.              5.
2    0.              6.
3    3.535534        3.535534
4    4.242641        4.242641
5    -3.535534       3.535534
6    -4.242641       4.242641
Nod&Topologie:
1   5  1
2   6  2
3   1  3
4   2  4
5   1  2
6   3  4
7   5  2
8   1  4
9   5  6
Date_Elemente:
1  4     25.00       0.   Talpa
5  6     8.500       0.  Montant
7  8     4.250       0.  Diagonala
9  8    0.1000E-03   0.  Diagonala transversala
9  9     8.500       0.  Montant
Materiale:
1   9   0   2.1E4   21.   21.   0.   0.
Sfarsit de fisier: arc-circular.geo
14/11/2023   22:13:20
