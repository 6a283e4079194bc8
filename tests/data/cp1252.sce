Name: Café €
Summary: “quoted”
Description: 
Objective: 
Code: <internal>
Forces: 
